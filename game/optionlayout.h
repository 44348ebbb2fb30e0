#pragma once
// Where the settings dialog's controls stand, in pixels of their parent's client area, and
// the font heights they use: one table the dialog builds from and the tests check.

#include <array>
#include <cstdint>
#include <string_view>

namespace zelmo::optionlayout {

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr bool operator==(const Rect &) const = default;
};

struct Place
{
    int left;
    int top;
    constexpr bool operator==(const Place &) const = default;
};

// The window: a fixed client area; the window frame adds its border and caption.
inline constexpr int ClientWidth = 708;
inline constexpr int ClientHeight = 497;
inline constexpr int OuterWidth = 720;
inline constexpr int OuterHeight = 540;

// Font heights in pixels.
inline constexpr int FormFont = 15;
inline constexpr int SheetFont = 17;
inline constexpr int ButtonFont = 23;
inline constexpr int MemoFont = 20;
inline constexpr int VersionFont = 20;
inline constexpr int TitleFont = 33;

// On the window.
inline constexpr Rect OptionSheet{0, 0, 708, 457};
inline constexpr Rect OkBtn{508, 457, 200, 40};
inline constexpr Rect JyohouBtn{308, 457, 200, 40};

// Page 0, settings.
inline constexpr Rect Moji_Syurui{14, 14, 670, 320};
inline constexpr int SyuruiColumns = 2;

// Item index of a radio group of count items in columns (filled column by column) within a
// group of the given size: the columns share the width, the rows the height below the caption.
constexpr Rect radioItem(int index, int count, int columns, int groupWidth, int groupHeight,
                         int captionHeight)
{
    const int perColumn = (count + columns - 1) / columns;
    const int columnWidth = (groupWidth - 10) / columns;
    const int freeHeight = groupHeight - captionHeight - 5;
    const int rowHeight = freeHeight / perColumn;
    const int topMargin = captionHeight + 1 + freeHeight % perColumn / 2;
    return {index / perColumn * columnWidth + 8, index % perColumn * rowHeight + topMargin,
            columnWidth, rowHeight};
}

inline constexpr Rect MojiLebelLbl{15, 350, 98, 17};
inline constexpr Rect Moji_Lebel{15, 370, 210, 23};
inline constexpr int LebelItemHeight = 17;
inline constexpr int LebelVisibleItems = 10;
inline constexpr Rect ArrayJyunban{355, 356, 306, 17};
inline constexpr Rect SoundPlay{355, 384, 194, 17};

// Page 1, records: three header labels, then one row of five labels per category.
inline constexpr Rect HiScoreLabel{12, 20, 99, 19};
inline constexpr Rect SeikairituLabel{120, 20, 71, 19};
inline constexpr Rect TimeLabel{216, 20, 95, 19};

enum class RecordColumn { HiScore, Seikairitu, Par, Time, Name };
inline constexpr int RecordTop = 40;
inline constexpr int RecordRowHeight = 22;

struct ColumnSpan
{
    int left;
    int width;
};
inline constexpr std::array<ColumnSpan, 5> recordColumns{{
    {20, 100},  // HiScore<Cat>Lbl
    {120, 80},  // Seikairitu<Cat>Lbl
    {200, 10},  // Par_LblN
    {210, 110}, // Time<Cat>Lbl
    {320, 360}, // <Cat>Label
}};

constexpr Rect recordCell(int row, RecordColumn column)
{
    const ColumnSpan span = recordColumns[static_cast<std::size_t>(column)];
    return {span.left, RecordTop + RecordRowHeight * row, span.width, RecordRowHeight};
}

struct Rgb
{
    int red;
    int green;
    int blue;
    constexpr bool operator==(const Rgb &) const = default;
};
inline constexpr Rgb MoneyGreen{192, 220, 192};
inline constexpr Rgb SkyBlue{166, 202, 240};

constexpr Rgb recordRowColour(int row)
{
    return row % 2 == 0 ? MoneyGreen : SkyBlue;
}

// Page 2, help.
inline constexpr Rect HelpMemo{14, 18, 670, 390};

// The top-left corner of the window frame that centres it on a desktop area.
constexpr Place centredOn(Rect desktop)
{
    return {desktop.left + (desktop.width - OuterWidth) / 2,
            desktop.top + (desktop.height - OuterHeight) / 2};
}

// Page 3, version: the panel, and the labels' top-left corners within it (labels size
// themselves to their text).
inline constexpr Rect Panel1{50, 48, 600, 337};
inline constexpr Place DateLbl{431, 36};
inline constexpr Place MynameLbl{432, 60};
inline constexpr Place AppTitleVerLbl{93, 104};
inline constexpr Rect VersionKeyImg{424, 160, 128, 53};
inline constexpr Place MailTitleLbl{56, 204};
inline constexpr Place MailAddLbl{56, 224};
inline constexpr Place HomepageTitleLbl{56, 256};
inline constexpr Place HomepageAddLbl{56, 276};

} // namespace zelmo::optionlayout
