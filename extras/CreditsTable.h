#pragma once

#include <QString>

#include <vector>

// The About box's credits, 51 entries in scrolling order: the picture line
// "SMALLSPLASH", then headings (tab) each followed by its name lines (form
// feed), with empty entries as gaps. They credit the parts of the editor and
// the open-source projects it is built on.
const std::vector<QString>& CreditsTable();
