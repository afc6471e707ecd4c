#pragma once

// Registers the shell's resources (res/orbek.qrc) compiled into the
// editor's static library. Safe to call more than once.
void InitOrbekResources();
