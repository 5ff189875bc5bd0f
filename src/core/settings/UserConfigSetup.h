// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "files/UserFolders.h"

class Messenger;

// A start from the desktop menu works in the user's configuration folder. On the first such
// start that folder gets a Kovaris.ini whose data root is the user's own copy of the installed
// demo data, so the colour list can be edited; later starts find the Kovaris.ini and change
// nothing, and an existing copy of the data is never overwritten.
class UserConfigSetup {
public:
    UserConfigSetup(UserFolders folders, std::filesystem::path installedDemo);

    // Makes what is missing. False, after telling `messenger` why, when the folder is not ready;
    // a data path the settings file cannot hold is refused before anything is written.
    bool Prepare(Messenger& messenger) const;

private:
    bool CopyDemoData(Messenger& messenger) const;
    bool WriteSettings(Messenger& messenger) const;

    UserFolders folders_;
    std::filesystem::path installedDemo_;
};
