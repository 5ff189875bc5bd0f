// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "dialogs/CDlgTab.h"

class CEdtSpin;
class QLineEdit;

// The face and size of the clock's and the lists' five fonts.
class CDlgTabFont : public CDlgTab {
    Q_OBJECT

public:
    static constexpr int kFontCount = 5;
    // Sizes in tenths of a point.
    static constexpr int kMinSize = 80;
    static constexpr int kMaxSize = 640;

    CDlgTabFont(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    void LoadFromSettings() override;
    bool StoreToSettings() override;

    CEdtSpin& sizeEdit(int row) const { return *sizes_[static_cast<std::size_t>(row)]; }
    QLineEdit& faceEdit(int row) const { return *faces_[static_cast<std::size_t>(row)]; }

private:
    struct FontFields {
        std::wstring* face;
        int* size;
    };
    std::array<FontFields, kFontCount> Fields() const;

    std::array<QLineEdit*, kFontCount> faces_{};
    std::array<CEdtSpin*, kFontCount> sizes_{};
};
