// The one handler behind every catalogue entry: builds the configuration
// window of the entry (variable list, set-up, extras, caption), shows it
// modally and destroys it.
#pragma once

#include "features/Catalogue.h"

#include <string>

class TConfigForm;
class TSNMPEditorPanel;

// Fills a fresh configuration window with the entry's request and panel and
// applies the extras (edit constraints, edit width, height, hidden "Edit")
// and the caption. Returns the panel the set-up made. Raises what the set-up
// or a constraint raises.
TSNMPEditorPanel* BuildGeneratedWindow(TConfigForm& form, const CatalogueEntry& entry,
                                       const std::string& address);

// Creates the window (owned by the application), builds it, shows it
// modally and destroys it once it closes. Returns the modal result.
int OpenGeneratedWindow(const CatalogueEntry& entry, const std::string& address);
