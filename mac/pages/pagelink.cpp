#include "pagelink.h"

namespace zz::mac {

PageLink& PageLink::shared()
{
    static PageLink* instance = [] {
        auto* created = new PageLink;
        created->reset();
        return created;
    }();
    return *instance;
}

void PageLink::reset()
{
    enableParameterSmoothing = false;
    smoothingTime_mSec = 20.0;
    projectPage = nullptr;
}

}  // namespace zz::mac
