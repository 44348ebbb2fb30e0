#pragma once
// Where the main window's controls stand for a client area of W x H: each keeps its place by its
// anchors, measured against the 788 x 554 design area.

#include <cstdint>

namespace zelmo {

struct Box
{
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Box &) const = default;
};

struct MainLayout
{
    Box MainBarImg;
    Box StartBtn, EndBtn, SetteiBtn, HelpBtn; // each label with its two faces
    Box Edit1;
    Box GameOverLbl;
    Box TamaMainImg, TamaBackImg;
};

inline constexpr std::int32_t DesignWidth = 788;
inline constexpr std::int32_t DesignHeight = 554;

MainLayout mainLayout(std::int32_t clientWidth, std::int32_t clientHeight);

// The smallest screen the game runs on.
inline bool screenLargeEnough(std::int32_t width, std::int32_t height)
{
    return width >= 800 && height >= 600;
}

} // namespace zelmo
