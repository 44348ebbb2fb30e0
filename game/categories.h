#pragma once
// The sixteen drill categories, declared once: their words (registry value and label names),
// the radio items of the dialog, the name captions of the records page and the level lists.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace zelmo {

// TMojiSyurui: the index of the chosen item of Moji_Syurui.
enum TMojiSyurui : std::int32_t {
    RomajiKiso, KanaKiso, SujiRandom, MojiRandomR1, MojiRandomR2, MojiRandomK,
    JpRomaji, JpKana, Eigo, JpKanji, Obun, Wabun, Tasizan, Hikizan, Kakezan, Warizan
};

inline constexpr int CategoryCount = 16;

struct Category
{
    std::string_view word;                   // RomajiKiso ... Warizan (value and label names)
    std::string_view item;                   // the Moji_Syurui item, exactly as stored (UTF-8)
    std::string_view recordName;             // caption of <Cat>Label on the records page
    std::span<const std::string_view> levels; // the Moji_Lebel items, in level order
};

namespace levels {
inline constexpr std::string_view romajiKiso[] = {"中段", "下段", "上段", "中段 + 下段",
                                                  "中段 + 上段", "全段"};
inline constexpr std::string_view kanaKiso[] = {"中段",        "下段", "上段", "最上段",
                                                "中段 + 下段", "上段 + 最上段", "全段"};
inline constexpr std::string_view suji[] = {"3桁", "5桁", "7桁", "9桁", "11桁"};
inline constexpr std::string_view moji[] = {"3文字", "5文字", "7文字", "9文字", "11文字"};
inline constexpr std::string_view jpRomaji[] = {"3～4文字", "5文字", "6文字", "7文字", "8文字"};
inline constexpr std::string_view jpKana[] = {"2～3文字", "4文字", "5文字",
                                              "6文字",    "7文字", "8文字"};
inline constexpr std::string_view eigo[] = {"3文字", "4文字", "5文字", "6文字", "7文字", "8文字"};
inline constexpr std::string_view jpKanji[] = {
    "小学校１年生", "小学校２年生", "小学校３年生", "小学校４年生", "小学校５年生",
    "小学校６年生", "四字熟語",     "慣用句",       "ことわざ",     "百人一首"};
inline constexpr std::string_view obun[] = {"A ～ Z"};
inline constexpr std::string_view wabun[] = {"ｱ ～ ﾝ"};
inline constexpr std::string_view tasizan[] = {"1桁 + 1桁",       "1～2桁 + 1桁",
                                               "1～3桁 + 1桁",    "1～2桁 + 1～2桁",
                                               "1～3桁 + 1～2桁", "1～5桁 + 1～3桁"};
inline constexpr std::string_view hikizan[] = {"1桁 - 1桁",       "1～2桁 - 1桁",
                                               "1～3桁 - 1桁",    "1～2桁 - 1～2桁",
                                               "1～3桁 - 1～2桁", "1～5桁 - 1～3桁"};
inline constexpr std::string_view kakezan[] = {"1桁 × 1桁",       "1～2桁 × 1桁",
                                               "1～3桁 × 1桁",    "1～2桁 × 1～2桁",
                                               "1～3桁 × 1～2桁", "1～5桁 × 1～3桁"};
inline constexpr std::string_view warizan[] = {"1桁 ÷ 1桁",       "1～2桁 ÷ 1桁",
                                               "1～3桁 ÷ 1桁",    "1～2桁 ÷ 1～2桁",
                                               "1～3桁 ÷ 1～2桁", "1～5桁 ÷ 1～3桁"};
} // namespace levels

inline constexpr std::array<Category, CategoryCount> categories{{
    {"RomajiKiso", "基礎 ローマ字入力　", "  基礎 ローマ字入力", levels::romajiKiso},
    {"KanaKiso", "基礎 カナ入力", "  基礎 カナ入力", levels::kanaKiso},
    {"SujiRandom", "ランダム 数字　", "  ランダム 数字", levels::suji},
    {"MojiRandomR1", "ランダム ローマ字入力(大文字のみ)",
     "  ランダム ローマ字入力（大文字のみ）", levels::moji},
    {"MojiRandomR2", "ランダム ローマ字入力(小・大文字)",
     "  ランダム ローマ字入力（小・大文字の混合）", levels::moji},
    {"MojiRandomK", "ランダム カナ入力", "  ランダム カナ入力", levels::moji},
    {"JpRomaji", "日本語 ローマ字入力", "  日本語 ローマ字入力", levels::jpRomaji},
    {"JpKana", "日本語 カナ入力", "  日本語 カナ字入力", levels::jpKana},
    {"Eigo", "英単語", "  英単語", levels::eigo},
    {"JpKanji", "漢字・熟語・慣用句・ことわざ・百人一首",
     "  漢字・熟語・慣用句・ことわざ・百人一首", levels::jpKanji},
    {"Obun", "欧文モールス", "  欧文モールス", levels::obun},
    {"Wabun", "和文モールス", "  和文モールス", levels::wabun},
    {"Tasizan", "計算問題　足算", "  計算問題　足算", levels::tasizan},
    {"Hikizan", "計算問題　引算", "  計算問題　引算", levels::hikizan},
    {"Kakezan", "計算問題　掛算", "  計算問題　掛算", levels::kakezan},
    {"Warizan", "計算問題　割算（少数第3位を四捨五入）", "  計算問題　割算", levels::warizan},
}};

// The category of an item index, or nullptr outside 0..15.
inline const Category *categoryAt(std::int32_t index)
{
    return index >= 0 && index < CategoryCount ? &categories[static_cast<std::size_t>(index)]
                                               : nullptr;
}

} // namespace zelmo
