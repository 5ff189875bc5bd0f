// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Messenger;
class QSpinBox;

// The integer typed into `edit` when it lies in [min, max]; otherwise names the range through
// `messenger`, selects the field for the user to retype and returns false.
bool ReadSpinField(QSpinBox& edit, int min, int max, Messenger& messenger, int& value);
