#pragma once

#include "text/Messenger.h"

class QWidget;

// Shows the core's messages as message boxes with an OK button, over `parent` when it is set.
class QtMessenger final : public Messenger {
public:
    void Show(const std::wstring& title, const std::wstring& text) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_ = nullptr;
};
