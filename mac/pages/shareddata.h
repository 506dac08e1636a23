#pragma once

// The link between the two macOS pages (the `sharedData` singleton): the
// project page registers itself and hands over its smoothing settings when
// it is left; the coder page registers itself, takes the smoothing settings
// for its parameter code and asks the project page to write the settings
// file on Exit.
namespace zz::mac {

class ViewController;
class ControlCoderPage;

class SharedData {
public:
    // The one instance of the process. It is never destroyed.
    static SharedData& getSharedData();

    // Puts the four fields back to their initial values.
    void initialize();

    bool enableParameterSmoothing = false;
    double smoothingTime_mSec = 20.0;
    ControlCoderPage* koderPage = nullptr;
    ViewController* projectPage = nullptr;
};

}  // namespace zz::mac
