#pragma once
// The program entry: the application object, the main window shown
// maximised, and the message loop. Port access is settled by the caller
// before this runs.
int RunSettings(int argc, char** argv);
