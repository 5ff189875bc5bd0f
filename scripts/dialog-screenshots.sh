#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the settings dialog's five pages and of the colour dialog, taken on a private
# X server: scripts/dialog-screenshots.sh [OUTPUT_FOLDER] ["YYYY-MM-DD HH:MM:SS"]
exec "$(dirname "$0")/screenshots.sh" --dialogs "$@"
