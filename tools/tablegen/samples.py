"""Texts that must stand in a given section: table -> level -> texts."""

SAMPLES = {
    "RomajiKisoArray": {
        0: ["FGD", "FDG", "DFS"], 1: ["VBC", "VCB"], 2: ["RTE", "RET"],
        3: ["FCV", "FCB", "DXV"], 4: ["FER", "FET", "DWR"], 5: ["FEX", "FCW", "BDW"],
    },
    "KanaKisoArray": {
        0: ["ﾊｷｼ", "ﾊｼｷ"], 1: ["ﾋｺｿ"], 2: ["ｽｶｲ"], 3: ["ｳｴｱ", "ｳｱｴ"], 4: ["ﾊｿﾋ", "ﾊｿｺ"],
        5: ["ｳｲｽ", "ｳｲｶ"], 6: ["ﾊｳｿ", "ｼｱﾋ"],
    },
    "JpRomajiArray": {
        0: ["ANE", "ANI", "INE"], 1: ["ABURA", "ATAMA", "ASITA"],
        2: ["ABEKKU", "ARIKUI", "ASATTE"], 3: ["ABURANA", "AMEMASU"],
        4: ["BENNGOSI", "YUUENNTI", "ZENNSOKU"],
    },
    "JpKanaArray": {
        0: ["ｱｼ", "ｲｽ", "ｲﾇ"], 1: ["ｱｹﾋﾞ", "ｱｻｯﾃ"], 2: ["ｱﾌﾞﾗﾅ", "ｱﾒｼｽﾄ"],
        3: ["ｱｸｱﾏﾘﾝ", "ｱｺﾞﾊｾﾞ"], 4: ["ﾓｸｽﾞｶﾞﾆ"], 5: ["ｳﾏﾉｽｽﾞｸｻ"],
    },
    "EigoArray": {
        0: ["ART", "FLY", "FOG"], 1: ["BOLD", "CAVE", "CODE"], 2: ["ADMIT", "AFTER", "AGAIN"],
        3: ["AERIAL", "AFRAID", "AMOUNT"], 4: ["ACCOUNT", "AGAINST", "ALLOWED"],
        5: ["ADVANCED", "ADDITION", "AIRCRAFT"],
    },
    "JpKanjiArray": {
        0: ["一", "右", "雨"], 1: ["引", "羽", "雲"], 2: ["悪", "安", "暗"], 3: ["愛", "案", "以"],
        4: ["圧", "易", "移"], 5: ["異", "遺", "域"], 6: ["安心立命", "以心伝心"],
        7: ["兜を脱ぐ", "襟を正す"], 8: ["糠に釘", "三日坊主"],
    },
}

# The written form of a sample of JpRomajiArray.
ROMAJI_WRITTEN = {"ABURA": "油"}

# The first entries of the sections that the samples above begin (table -> level -> texts).
FIRST = {
    "RomajiKisoArray": {0: ["FGD", "FDG", "DFS"], 1: ["VBC", "VCB"], 2: ["RTE", "RET"],
                        3: ["FCV", "FCB", "DXV"], 4: ["FER", "FET", "DWR"]},
    "KanaKisoArray": {0: ["ﾊｷｼ", "ﾊｼｷ"], 1: ["ﾋｺｿ"], 2: ["ｽｶｲ"], 3: ["ｳｴｱ", "ｳｱｴ"],
                      4: ["ﾊｿﾋ", "ﾊｿｺ"], 5: ["ｳｲｽ", "ｳｲｶ"]},
    "JpKanjiArray": {0: ["一", "右", "雨"], 1: ["引", "羽", "雲"], 2: ["悪", "安", "暗"],
                     3: ["愛", "案", "以"], 4: ["圧", "易", "移"], 5: ["異", "遺", "域"]},
}
