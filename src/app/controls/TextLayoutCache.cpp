// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TextLayoutCache.h"

#include <QTransform>

TextLayoutCache::TextLayoutCache(const QFont& font) : font_(font), metrics_(font) {}

TextLayoutCache::Entry TextLayoutCache::Get(const QString& text) {
    const auto found = entries_.constFind(text);
    if (found != entries_.constEnd()) {
        return found.value();
    }
    if (entries_.size() >= kMaxEntries) {
        entries_.clear();
    }
    Entry entry;
    entry.text.setTextFormat(Qt::PlainText);
    entry.text.setPerformanceHint(QStaticText::AggressiveCaching);
    entry.text.setText(text);
    entry.text.prepare(QTransform(), font_);
    entry.width = metrics_.horizontalAdvance(text);
    return entries_.insert(text, std::move(entry)).value();
}
