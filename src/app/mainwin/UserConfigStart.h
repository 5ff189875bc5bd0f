// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Messenger;

// The start from the desktop menu: prepares the user's configuration folder (UserConfigSetup)
// with the demo data installed beside the program, and makes it the working folder. False, after
// telling `messenger` why, when that cannot be done.
bool EnterUserConfigFolder(Messenger& messenger);
