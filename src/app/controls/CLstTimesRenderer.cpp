// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CLstTimesRenderer.h"

#include <QPainter>

#include "board/ListRowLayout.h"
#include "board/RowText.h"
#include "controls/FontSetup.h"
#include "controls/QtConvert.h"
#include "i18n/BoardWordsTranslation.h"
#include "settings/AppSettings.h"
#include "timetable/Timetable.h"

CLstTimesRenderer::CLstTimesRenderer(const AppSettings& settings)
    : settings_(settings), words_(TranslatedBoardWords()) {
    ApplySettings();
}

void CLstTimesRenderer::ApplySettings() {
    font_ = MakeSettingsFont(kListFontFace, settings_.timeLstFontSize);
    rowHeight_ = std::max(QFontMetrics(font_).height(), 1);
    texts_ = std::make_unique<TextLayoutCache>(font_);
}

ListRowView CLstTimesRenderer::MakeRow(const Timetable* timetable, int index) const {
    ListRowView view;
    RowInfo info;
    if (timetable == nullptr || !timetable->GetRowInfo(index, info)) {
        view.text = BlankRowText(words_);
        return view;
    }
    BuildRowText(view.text, info, settings_, words_);
    view.note = std::move(info.note);
    view.color = info.color;
    view.dimmed = info.unreachable;
    // A train out of reach is not to be waited for: no bar counts down to it.
    view.seconds = info.unreachable ? -1 : info.seconds;
    return view;
}

std::wstring CLstTimesRenderer::SpokenRow(const Timetable* timetable, int index) const {
    RowInfo info;
    if (timetable == nullptr || !timetable->GetRowInfo(index, info)) {
        return SpokenBlankRowText();
    }
    return SpokenRowText(info, settings_, words_);
}

void CLstTimesRenderer::PaintRow(QPainter& painter, const QRect& rect, const ListRowView& row,
                                 bool selected, unsigned frame, bool focusMark) const {
    constexpr ColorRef kWhite = 0xFFFFFF;
    const ColorRef ink = selected ? kWhite : row.color;
    const ColorRef background = selected ? row.color : kWhite;
    const ColorRef text = row.dimmed ? listrow::DimmedColor(ink, background) : ink;
    painter.save();
    // What a row draws stays inside it, as a row copied from its own buffer would.
    painter.setClipRect(rect);
    painter.fillRect(rect, ToQColor(background));
    PaintProgressBar(painter, rect, row.seconds, background, text, frame);

    painter.setFont(font_);
    painter.setPen(ToQColor(text));
    const QString rowText = ToQString(row.text);
    const QString note = ToQString(row.note);
    const int textWidth = texts_->Get(rowText).width;
    const TextLayoutCache::Entry noteText = texts_->Get(note);
    const int available = rect.width() - textWidth;
    if (listrow::NoteFollowsText(noteText.width, available, settings_.scrollMode,
                                 settings_.scrollMode2 != 0, selected)) {
        painter.drawStaticText(rect.topLeft(), texts_->Get(rowText + note).text);
    } else {
        painter.drawStaticText(rect.topLeft(), texts_->Get(rowText).text);
        PaintNote(painter, rect, noteText, textWidth, frame);
    }
    if (focusMark) {
        PaintFocusMark(painter, rect, text);
    }
    painter.restore();
}

// A dotted frame one pixel wide along the row's edges, in the colour of its text, as owner-drawn
// lists have always marked the focus: seen on a selected row as on any other, it leaves every
// other pixel of a glyph that reaches the edge, and it never moves.
void CLstTimesRenderer::PaintFocusMark(QPainter& painter, const QRect& rect, ColorRef color) {
    const QColor ink = ToQColor(color);
    painter.setClipRect(rect);
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.fillRect(QRect(x, rect.top(), 1, 1), ink);
        painter.fillRect(QRect(x, rect.bottom(), 1, 1), ink);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        painter.fillRect(QRect(rect.left(), y, 1, 1), ink);
        painter.fillRect(QRect(rect.right(), y, 1, 1), ink);
    }
}

ListRowKey CLstTimesRenderer::KeyOf(const QRect& rect, ListRowView row, bool selected,
                                    bool focusMark, unsigned frame) const {
    ListRowKey key;
    const int noteWidth = texts_->Get(ToQString(row.note)).width;
    const int available = rect.width() - texts_->Get(ToQString(row.text)).width;
    if (!listrow::NoteFollowsText(noteWidth, available, settings_.scrollMode,
                                  settings_.scrollMode2 != 0, selected)) {
        key.noteStep = listrow::NoteScrollStep(settings_.scrollMode, frame);
    }
    const listrow::ProgressBar bar =
        listrow::LayOutProgressBar(ToRect(rect), row.seconds, settings_.progress);
    if (bar.shown) {
        key.barLeft = bar.left;
        key.pulse = listrow::PulseLevel(frame);
    }
    key.text = std::move(row.text);
    key.note = std::move(row.note);
    key.color = row.color;
    key.selected = selected;
    key.focusMark = focusMark;
    key.dimmed = row.dimmed;
    return key;
}

void CLstTimesRenderer::PaintProgressBar(QPainter& painter, const QRect& rect, int seconds,
                                         ColorRef background, ColorRef text, unsigned frame) const {
    const Rect box = ToRect(rect);
    const listrow::ProgressBar bar = listrow::LayOutProgressBar(box, seconds, settings_.progress);
    if (!bar.shown) {
        return;
    }
    const QColor barColor =
        ToQColor(listrow::BarColor(background, text, listrow::PulseLevel(frame)));
    painter.fillRect(ToQRect(Rect{bar.left, bar.top, box.right, bar.bottom}), barColor);
    for (const listrow::Tick& tick : bar.ticks) {
        // Marks on the bar are cut out of it; marks ahead of it are drawn in its colour.
        painter.fillRect(QRect(tick.x, tick.top, 2, tick.bottom - tick.top),
                         tick.onBar ? ToQColor(background) : barColor);
    }
}

void CLstTimesRenderer::PaintNote(QPainter& painter, const QRect& rect,
                                  const TextLayoutCache::Entry& note, int textWidth,
                                  unsigned frame) const {
    const clocklayout::WrapPieces pieces =
        listrow::NotePieces(settings_.scrollMode, frame, note.width, rect.width() - textWidth);
    const int x0 = rect.left() + textWidth;
    // The note from `offset`, then its beginning again right behind it: no gap at the seam.
    painter.setClipRect(QRect(x0, rect.top(), pieces.first, rect.height()));
    painter.drawStaticText(QPoint(x0 - pieces.offset, rect.top()), note.text);
    painter.setClipRect(QRect(x0 + pieces.first, rect.top(), pieces.second, rect.height()));
    painter.drawStaticText(QPoint(x0 + pieces.first, rect.top()), note.text);
}
