#pragma once

class QWidget;

// Shows `window` again if it was minimised, raises it above the others and asks for the focus.
void BringToFront(QWidget& window);
