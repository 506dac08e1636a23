#import "sharedData.h"

#include "pagelink.h"

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
    zz::mac::PageLink::shared().reset();
    [koderPage release];
    koderPage = nil;
    [projectPage release];
    projectPage = nil;
}

- (BOOL)enableParameterSmoothing
{
    return zz::mac::PageLink::shared().enableParameterSmoothing ? YES : NO;
}

- (void)setEnableParameterSmoothing:(BOOL)enable
{
    zz::mac::PageLink::shared().enableParameterSmoothing = enable ? true : false;
}

- (double)smoothingTime_mSec
{
    return zz::mac::PageLink::shared().smoothingTime_mSec;
}

- (void)setSmoothingTime_mSec:(double)msec
{
    zz::mac::PageLink::shared().smoothingTime_mSec = msec;
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
