#pragma once
// Opening a VRML scene for the user to walk through. The viewer is the program named by the
// environment variable PLANZETA_VRML_VIEWER when it is set; else the desktop's application
// for VRML scenes (model/vrml) when one is registered; else view3dscene when installed.

#include <string>

class Prompts;

// Starts a viewer on the scene file and returns whether one started. When none could be
// started, a message tells the user that a VRML viewer is needed and where the scene is.
bool OpenInVrmlViewer(const std::string& scenePath, Prompts& prompts);
