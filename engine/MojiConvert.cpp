#include "engine/MojiConvert.h"

#include <array>

namespace {

constexpr char16_t kVoicedMark = u'\uFF9E';     // half-width dakuten
constexpr char16_t kSemiVoicedMark = u'\uFF9F'; // half-width handakuten

// Half-width form of one full-width katakana U+30A1..U+30FC: the base character and, for a
// voiced kana, its sound mark. A zero base means the character has no half-width form.
struct TKanaForm {
    char16_t Base;
    char16_t Mark;
};

constexpr char16_t kKanaFirst = u'\u30A1';
// clang-format off
constexpr std::array<TKanaForm, 0x30FC - 0x30A1 + 1> kKanaForms = {{
    {u'\uFF67', 0}, {u'\uFF71', 0},              // ァ ア
    {u'\uFF68', 0}, {u'\uFF72', 0},              // ィ イ
    {u'\uFF69', 0}, {u'\uFF73', 0},              // ゥ ウ
    {u'\uFF6A', 0}, {u'\uFF74', 0},              // ェ エ
    {u'\uFF6B', 0}, {u'\uFF75', 0},              // ォ オ
    {u'\uFF76', 0}, {u'\uFF76', kVoicedMark},    // カ ガ
    {u'\uFF77', 0}, {u'\uFF77', kVoicedMark},    // キ ギ
    {u'\uFF78', 0}, {u'\uFF78', kVoicedMark},    // ク グ
    {u'\uFF79', 0}, {u'\uFF79', kVoicedMark},    // ケ ゲ
    {u'\uFF7A', 0}, {u'\uFF7A', kVoicedMark},    // コ ゴ
    {u'\uFF7B', 0}, {u'\uFF7B', kVoicedMark},    // サ ザ
    {u'\uFF7C', 0}, {u'\uFF7C', kVoicedMark},    // シ ジ
    {u'\uFF7D', 0}, {u'\uFF7D', kVoicedMark},    // ス ズ
    {u'\uFF7E', 0}, {u'\uFF7E', kVoicedMark},    // セ ゼ
    {u'\uFF7F', 0}, {u'\uFF7F', kVoicedMark},    // ソ ゾ
    {u'\uFF80', 0}, {u'\uFF80', kVoicedMark},    // タ ダ
    {u'\uFF81', 0}, {u'\uFF81', kVoicedMark},    // チ ヂ
    {u'\uFF6F', 0},                              // ッ
    {u'\uFF82', 0}, {u'\uFF82', kVoicedMark},    // ツ ヅ
    {u'\uFF83', 0}, {u'\uFF83', kVoicedMark},    // テ デ
    {u'\uFF84', 0}, {u'\uFF84', kVoicedMark},    // ト ド
    {u'\uFF85', 0}, {u'\uFF86', 0}, {u'\uFF87', 0}, {u'\uFF88', 0}, {u'\uFF89', 0}, // ナ..ノ
    {u'\uFF8A', 0}, {u'\uFF8A', kVoicedMark}, {u'\uFF8A', kSemiVoicedMark}, // ハ バ パ
    {u'\uFF8B', 0}, {u'\uFF8B', kVoicedMark}, {u'\uFF8B', kSemiVoicedMark}, // ヒ ビ ピ
    {u'\uFF8C', 0}, {u'\uFF8C', kVoicedMark}, {u'\uFF8C', kSemiVoicedMark}, // フ ブ プ
    {u'\uFF8D', 0}, {u'\uFF8D', kVoicedMark}, {u'\uFF8D', kSemiVoicedMark}, // ヘ ベ ペ
    {u'\uFF8E', 0}, {u'\uFF8E', kVoicedMark}, {u'\uFF8E', kSemiVoicedMark}, // ホ ボ ポ
    {u'\uFF8F', 0}, {u'\uFF90', 0}, {u'\uFF91', 0}, {u'\uFF92', 0}, {u'\uFF93', 0}, // マ..モ
    {u'\uFF6C', 0}, {u'\uFF94', 0},              // ャ ヤ
    {u'\uFF6D', 0}, {u'\uFF95', 0},              // ュ ユ
    {u'\uFF6E', 0}, {u'\uFF96', 0},              // ョ ヨ
    {u'\uFF97', 0}, {u'\uFF98', 0}, {u'\uFF99', 0}, {u'\uFF9A', 0}, {u'\uFF9B', 0}, // ラ..ロ
    {u'\uFF9C', 0}, {u'\uFF9C', 0},              // ヮ ワ
    {0, 0}, {0, 0},                              // ヰ ヱ (no half-width form)
    {u'\uFF66', 0}, {u'\uFF9D', 0},              // ヲ ン
    {u'\uFF73', kVoicedMark},                    // ヴ
    {0, 0}, {0, 0},                              // ヵ ヶ
    {u'\uFF9C', kVoicedMark}, {0, 0}, {0, 0},    // ヷ ヸ ヹ
    {u'\uFF66', kVoicedMark},                    // ヺ
    {u'\uFF65', 0},                              // ・
    {u'\uFF70', 0},                              // ー
}};
// clang-format on

// Japanese punctuation and sound marks outside the katakana block.
char16_t halfWidthPunctuation(char16_t c) {
    switch (c) {
    case u'\u3001': return u'\uFF64'; // 、
    case u'\u3002': return u'\uFF61'; // 。
    case u'\u300C': return u'\uFF62'; // 「
    case u'\u300D': return u'\uFF63'; // 」
    case u'\u309B': return kVoicedMark;
    case u'\u309C': return kSemiVoicedMark;
    case u'\uFFE0': return u'\u00A2'; // ￠
    case u'\uFFE1': return u'\u00A3'; // ￡
    case u'\uFFE2': return u'\u00AC'; // ￢
    case u'\uFFE3': return u'\u00AF'; // ￣
    case u'\uFFE4': return u'\u00A6'; // ￤
    case u'\uFFE5': return u'\u00A5'; // ￥
    case u'\uFFE6': return u'\u20A9'; // ￦
    default: return 0;
    }
}

char16_t operatorChar(char16_t c) {
    switch (c) {
    case u'\u00D7': return u'*';
    case u'\u00F7': return u'/';
    case u'\u30FC':
    case u'\uFF70':
    case u'\u2015': return u'-';
    default: return c;
    }
}

// The half-width form of one character: itself, or its mapped form and possibly a sound mark.
TKanaForm halfWidthForm(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E') return {char16_t(c - 0xFEE0), 0};
    if (c == u'\u3000') return {u' ', 0};
    if (c >= kKanaFirst && c < kKanaFirst + kKanaForms.size()) {
        const TKanaForm& form = kKanaForms[c - kKanaFirst];
        return form.Base == 0 ? TKanaForm{c, 0} : form;
    }
    if (const char16_t punctuation = halfWidthPunctuation(c); punctuation != 0)
        return {punctuation, 0};
    return {c, 0};
}

char16_t upperAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 0x20) : c; }

// Maps every character of text through `map` (which yields a half-width form) into a new string;
// the common case of no sound marks fills a buffer of the final size directly. One character of
// spare room lets the evaluator append its end marker without copying.
template <typename Map> QString mapCharacters(QStringView text, Map map) {
    QString result;
    result.reserve(text.size() + 1);
    result.resize(text.size());
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const TKanaForm form = map(text[i].unicode());
        if (form.Mark != 0) { // a voiced kana: the text grows from here on
            result.truncate(i);
            for (qsizetype j = i; j < text.size(); ++j) {
                const TKanaForm rest = map(text[j].unicode());
                result.append(QChar(rest.Base));
                if (rest.Mark != 0) result.append(QChar(rest.Mark));
            }
            return result;
        }
        out[i] = form.Base;
    }
    return result;
}

} // namespace

QString ConvertOperatorChars(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) result[i] = QChar(operatorChar(text[i].unicode()));
    return result;
}

QString ToHalfWidth(QStringView text) { return mapCharacters(text, halfWidthForm); }

QString NormalizeFormula(QStringView text) {
    return mapCharacters(text, [](char16_t c) {
        if (c < 0x80) return TKanaForm{upperAscii(c), 0};
        TKanaForm form = halfWidthForm(operatorChar(c));
        form.Base = upperAscii(form.Base);
        return form;
    });
}
