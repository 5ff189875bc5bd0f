// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>

// Laid-out texts of one font, kept between paints. The list repaints ten times a second while
// most of its texts change once a second at most, and laying out Japanese text costs far more
// than drawing it.
class TextLayoutCache {
public:
    struct Entry {
        QStaticText text;
        int width = 0;
    };

    explicit TextLayoutCache(const QFont& font);

    // A copy: the text inside is shared, and an entry may be dropped by the next call.
    Entry Get(const QString& text);
    int size() const { return static_cast<int>(entries_.size()); }

private:
    // Enough for a few screens of rows; the whole cache is dropped when it is full.
    static constexpr int kMaxEntries = 1024;

    QFont font_;
    QFontMetrics metrics_;
    QHash<QString, Entry> entries_;
};
