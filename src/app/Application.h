#pragma once

// Brings up the application object, its fonts and translations, the platform services and the
// main window, and runs the message loop.
namespace Application {

int run(int argc, char* argv[]);

} // namespace Application
