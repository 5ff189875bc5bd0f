// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueEntry.h"

std::wstring_view EntryKindName(EntryKind kind) {
    switch (kind) {
        case EntryKind::Node:
            return L"Node";
        case EntryKind::Plain:
            return L"Plain";
        case EntryKind::Morning:
            return L"Morning";
        case EntryKind::Afternoon:
            return L"Afternoon";
        case EntryKind::Preferred:
            return L"Preferred";
    }
    return L"Plain";
}
