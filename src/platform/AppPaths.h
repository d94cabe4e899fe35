#pragma once

#include <QString>

// Where the program finds its delivered files and keeps its own (cfg.ini, the default database).
QString ApplicationDir();
// LANYUE_HOME when set; otherwise the executable's directory when it is writable (portable
// use), else the per-user application data folder, created when missing.
QString DataDir();
// The name the program's own files carry ("lanyue.db"), whatever the running executable is.
QString ExecutableBaseName();
