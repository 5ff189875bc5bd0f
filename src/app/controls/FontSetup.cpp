// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FontSetup.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "controls/QtConvert.h"

namespace {

const QStringList& FixedCandidates() {
    static const QStringList fonts = {QStringLiteral("IPAGothic"),
                                      QStringLiteral("Noto Sans Mono CJK JP"),
                                      QStringLiteral("Noto Sans CJK JP")};
    return fonts;
}

const QStringList& ProportionalCandidates() {
    static const QStringList fonts = {QStringLiteral("IPAPGothic"),
                                      QStringLiteral("Noto Sans CJK JP"),
                                      QStringLiteral("IPAGothic")};
    return fonts;
}

QStringList Installed(const QStringList& candidates) {
    const QStringList families = QFontDatabase::families();
    QStringList found;
    for (const QString& name : candidates) {
        if (families.contains(name, Qt::CaseInsensitive)) {
            found << name;
        }
    }
    return found;
}

void Substitute(const QStringList& faces, const QStringList& fonts) {
    if (fonts.isEmpty()) {
        return;
    }
    for (const QString& face : faces) {
        QFont::removeSubstitutions(face);
        QFont::insertSubstitutions(face, fonts);
    }
}

}  // namespace

void RegisterFontSubstitutions() {
    Substitute({ToQString(L"ＭＳ ゴシック"), QStringLiteral("MS Gothic")},
               Installed(FixedCandidates()));
    Substitute({ToQString(L"ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                QStringLiteral("MS UI Gothic")},
               Installed(ProportionalCandidates()));
}

QString MissingJapaneseFontNotice() {
    if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
        return {};
    }
    return QStringLiteral(
        "No Japanese font is installed, so Japanese text shows as boxes: install fonts-noto-cjk "
        "or fonts-ipafont (sudo apt install fonts-noto-cjk) and start KovarisWin again.");
}

int FontPixelHeight(int tenthsOfPoint) {
    // Rounded like the platform's MulDiv. A hand-edited file may hold any number: a negative
    // size means the same size, and the result stays between one pixel and a screen's height.
    constexpr long long kMaxPixels = 1000;
    const long long tenths = std::llabs(static_cast<long long>(tenthsOfPoint));
    const long long pixels = (tenths * 96 + 360) / 720;
    return static_cast<int>(std::clamp(pixels, 1LL, kMaxPixels));
}

QFont MakeSettingsFont(const std::wstring& face, int tenthsOfPoint) {
    QFont font(ToQString(face));
    font.setPixelSize(FontPixelHeight(tenthsOfPoint));
    return font;
}
