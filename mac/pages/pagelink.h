#pragma once

// The link between the two macOS pages, behind the `sharedData` object of the
// AppKit layer: the project page registers itself and hands over its
// smoothing settings when it is left; the coder page takes the smoothing
// settings for its parameter code and asks the project page to write the
// settings file on Exit.
namespace zz::mac {

class ProjectPageLogic;

class PageLink {
public:
    // The one instance of the process. It is never destroyed.
    static PageLink& shared();

    // Puts the fields back to their initial values.
    void reset();

    bool enableParameterSmoothing = false;
    double smoothingTime_mSec = 20.0;
    ProjectPageLogic* projectPage = nullptr;
};

}  // namespace zz::mac
