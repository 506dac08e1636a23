#include "shareddata.h"

namespace zz::mac {

SharedData& SharedData::getSharedData()
{
    static SharedData* instance = [] {
        auto* created = new SharedData;
        created->initialize();
        return created;
    }();
    return *instance;
}

void SharedData::initialize()
{
    enableParameterSmoothing = false;
    smoothingTime_mSec = 20.0;
    koderPage = nullptr;
    projectPage = nullptr;
}

}  // namespace zz::mac
