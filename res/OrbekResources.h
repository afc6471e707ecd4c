#pragma once

// Registers the shell's resources (res/orbek.qrc) compiled into this
// folder's static library. Safe to call more than once.
void InitOrbekResources();
