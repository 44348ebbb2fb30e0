#include "game/mainlayout.h"

#include <cmath>

namespace zelmo {

namespace {

enum class Anchor { Near, Far, Both, None };

// One direction of the anchor rules: the new position and size along that direction.
void place(Anchor anchor, std::int32_t designPos, std::int32_t size, std::int32_t designClient,
           std::int32_t client, std::int32_t &pos, std::int32_t &newSize)
{
    newSize = size;
    switch (anchor) {
    case Anchor::Near:
        pos = designPos;
        break;
    case Anchor::Far:
        pos = client - (designClient - designPos);
        break;
    case Anchor::Both:
        pos = designPos;
        newSize = client - (designClient - designPos - size) - designPos;
        break;
    case Anchor::None: {
        const std::int64_t centre = designPos + size / 2;
        const auto scaled = static_cast<std::int32_t>(
            std::lround(static_cast<double>(centre * client) / designClient));
        pos = scaled - size / 2;
        break;
    }
    }
}

Box anchored(Box design, Anchor horizontal, Anchor vertical, std::int32_t w, std::int32_t h)
{
    Box b;
    place(horizontal, design.left, design.width, DesignWidth, w, b.left, b.width);
    place(vertical, design.top, design.height, DesignHeight, h, b.top, b.height);
    return b;
}

} // namespace

MainLayout mainLayout(std::int32_t w, std::int32_t h)
{
    using A = Anchor;
    MainLayout l;
    l.MainBarImg = anchored({0, 483, 788, 72}, A::Both, A::Far, w, h);
    l.StartBtn = anchored({36, 502, 100, 35}, A::Near, A::Far, w, h);
    l.EndBtn = anchored({164, 502, 100, 35}, A::Near, A::Far, w, h);
    l.SetteiBtn = anchored({524, 502, 100, 35}, A::Far, A::Far, w, h);
    l.HelpBtn = anchored({652, 502, 100, 35}, A::Far, A::Far, w, h);
    l.Edit1 = anchored({292, 504, 204, 24}, A::Both, A::Far, w, h);
    l.GameOverLbl = anchored({240, 229, 232, 30}, A::None, A::None, w, h);
    l.TamaMainImg = anchored({100, 442, 7, 20}, A::None, A::Far, w, h);
    l.TamaBackImg = anchored({112, 446, 7, 20}, A::None, A::Far, w, h);
    return l;
}

} // namespace zelmo
