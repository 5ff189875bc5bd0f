// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/BoardWordsTranslation.h"

#include <QCoreApplication>
#include <string>

#include "controls/QtConvert.h"

namespace {

constexpr const char* kContext = "BoardWords";

// The words as the core makes them, for lupdate; the blanks and spacing of each line up the
// list's columns, so a translation keeps one width within a set.
[[maybe_unused]] constexpr const char* kWords[] = {
    QT_TRANSLATE_NOOP("BoardWords", "先　発"),
    QT_TRANSLATE_NOOP("BoardWords", "次　発"),
    QT_TRANSLATE_NOOP("BoardWords", "次々発"),
    QT_TRANSLATE_NOOP("BoardWords", "　　　"),
    QT_TRANSLATE_NOOP("BoardWords", "%02d時台"),
    QT_TRANSLATE_NOOP("BoardWords", "間に合いません"),
    QT_TRANSLATE_NOOP("BoardWords", "           "),
    QT_TRANSLATE_NOOP("BoardWords", "あと   %02d秒"),
    QT_TRANSLATE_NOOP("BoardWords", "あと%d分%02d秒"),
    QT_TRANSLATE_NOOP("BoardWords", "あと   %02d分"),
    QT_TRANSLATE_NOOP("BoardWords", " %02d時間%02d分"),
    QT_TRANSLATE_NOOP("BoardWords", "    %d分%02d秒"),
    QT_TRANSLATE_NOOP("BoardWords", "      %03d分"),
    QT_TRANSLATE_NOOP("BoardWords", "%04d年%02d月%02d日"),
    QT_TRANSLATE_NOOP("BoardWords", "日"),
    QT_TRANSLATE_NOOP("BoardWords", "月"),
    QT_TRANSLATE_NOOP("BoardWords", "火"),
    QT_TRANSLATE_NOOP("BoardWords", "水"),
    QT_TRANSLATE_NOOP("BoardWords", "木"),
    QT_TRANSLATE_NOOP("BoardWords", "金"),
    QT_TRANSLATE_NOOP("BoardWords", "土"),
    QT_TRANSLATE_NOOP("BoardWords", "%02d時%02d分"),
    QT_TRANSLATE_NOOP("BoardWords", "%02d秒"),
};

void Translate(std::wstring& word) {
    word = ToWString(QCoreApplication::translate(kContext, ToQString(word).toUtf8().constData()));
}

template <typename Words>
void TranslateAll(Words& words) {
    for (std::wstring& word : words) {
        Translate(word);
    }
}

}  // namespace

BoardWords TranslatedBoardWords() {
    BoardWords words;
    TranslateAll(words.nextLabels);
    Translate(words.blankLabel);
    Translate(words.hourLabel);
    Translate(words.outOfReach);
    TranslateAll(words.longCountdowns);
    Translate(words.longDate);
    TranslateAll(words.dayNames);
    Translate(words.longTime);
    Translate(words.longSeconds);
    return words;
}
