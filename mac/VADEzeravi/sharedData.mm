#import "sharedData.h"

#include "shareddata.h"

static sharedData* theSharedData = nil;

@implementation sharedData

+ (sharedData*)getSharedData
{
    if (theSharedData == nil) {
        theSharedData = [[sharedData alloc] init];
        [theSharedData initialize];
    }
    return theSharedData;
}

- (void)initialize
{
    zz::mac::SharedData::getSharedData().initialize();
    [koderPage release];
    koderPage = nil;
    [projectPage release];
    projectPage = nil;
}

- (BOOL)enableParameterSmoothing
{
    return zz::mac::SharedData::getSharedData().enableParameterSmoothing ? YES : NO;
}

- (void)setEnableParameterSmoothing:(BOOL)enable
{
    zz::mac::SharedData::getSharedData().enableParameterSmoothing = enable ? true : false;
}

- (double)smoothingTime_mSec
{
    return zz::mac::SharedData::getSharedData().smoothingTime_mSec;
}

- (void)setSmoothingTime_mSec:(double)msec
{
    zz::mac::SharedData::getSharedData().smoothingTime_mSec = msec;
}

- (NSViewController*)koderPage
{
    return koderPage;
}

- (void)setKoderPage:(NSViewController*)page
{
    [page retain];
    [koderPage release];
    koderPage = page;
}

- (NSViewController*)projectPage
{
    return projectPage;
}

- (void)setProjectPage:(NSViewController*)page
{
    [page retain];
    [projectPage release];
    projectPage = page;
}

@end
