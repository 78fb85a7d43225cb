#pragma once
// The application object: initialises the platform services and runs the main
// window modally; the program's whole life is that modal loop.
#include "framework/Application.h"

class CMainApp : public fw::Application {
  public:
    bool InitInstance() override;
};
