// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <string>
#include <utility>
#include <vector>

#include "text/Messenger.h"

class QWidget;

// Shows the core's messages as message boxes with an OK button, over `parent` when it is set,
// in the window's language.
class QtMessenger final : public Messenger {
public:
    void Show(const std::wstring& title, const std::wstring& text) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

    // While one lives, boxes wait instead of opening: the work that asked for them finishes
    // first (a companion program gets its answer before a box opens its own event loop). They
    // open one after the other when the event loop next runs.
    class Deferral {
    public:
        explicit Deferral(QtMessenger& messenger);
        ~Deferral();
        Deferral(const Deferral&) = delete;
        Deferral& operator=(const Deferral&) = delete;

    private:
        QtMessenger& messenger_;
    };

private:
    void ShowNow(const std::wstring& title, const std::wstring& text);
    void ShowWaiting();

    QWidget* parent_ = nullptr;
    int deferrals_ = 0;
    std::vector<std::pair<std::wstring, std::wstring>> waiting_;
    QObject lifetime_;  // drops the boxes still waiting when the messenger goes
};
