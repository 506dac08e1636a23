#import "ViewController.h"

#import "AppKitOutlets.h"
#import "AppKitServices.h"
#import "PageLayout.h"
#import "sharedData.h"

#include "pagelink.h"

using zz::mac::Outlet;

@implementation ViewController

- (void)dealloc
{
    [keyViews release];
    delete logic;
    delete outlets;
    [super dealloc];
}

- (AppKitOutlets*)outlets
{
    return outlets;
}

// The page, one row per control in the order Tab walks them: the names,
// codes and vendor in a column with hints under their rows, the plug-in
// options, the project type with its APIs, the audio processing, then the
// project folder and the commands under the groups.
static std::vector<LayoutRow> projectPageLayout()
{
    using namespace zzlayout;
    using O = Outlet;
    return {
        field(O::projectName, @"Project Name:", 20, 128, 20, 189, "updateProjectName:"),
        hint(@"Must be a valid CMake Folder name", 20, 43, 297),
        field(O::pluginName, @"Plugin Name:", 20, 128, 61, 189),
        field(O::fourCharCode, @"Plugin Code:", 20, 128, 88, 56),
        hint(@"Must be exactly 4 characters and unique.", 20, 111, 297),
        field(O::fourCharCompany, @"Vendor Code:", 20, 128, 129, 56),
        hint(@"Must be exactly 4 characters", 20, 152, 297),
        field(O::vendorName, @"Vendor Name:", 20, 128, 170, 189),
        field(O::vendorURL, @"Vendor URL:", 20, 128, 197, 189),
        field(O::vendorEmail, @"Vendor Email:", 20, 128, 224, 189),
        field(O::aaxPluginName, @"AAX Name:", 20, 128, 251, 189),
        hint(@"Limited to 31 characters", 20, 274, 297),
        field(O::shortPluginName, @"Short Name:", 20, 128, 292, 189),
        hint(@"Limited to 15 characters", 20, 315, 297),
        popUp(O::categoryCombo, @"AAX Category:", 20, 128, 333, 189),

        group(@"Plugin Options", 327, 20, 285, 265),
        checkBox(O::synthPlugin, @"Synth Plugin (no audio input)", 337, 46, 265),
        checkBox(O::enableSidechain, @"Enable Sidechain", 337, 67, 265),
        checkBox(O::enableParameterSmoothing, @"Parameter Smoothing", 337, 88, 265),
        field(O::smoothingTime, @"Time (mSec):", 357, 475, 109, 50),
        field(O::pluginLatency, @"Latency (samples):", 337, 475, 136, 50),
        field(O::tailTime, @"Tail Time (mSec):", 337, 475, 163, 50),
        checkBox(O::infiniteTail, @"Infinite", 531, 165, 71),
        checkBox(O::linkFFTW, @"Link FFTW", 337, 190, 100),
        checkBox(O::includeFXObjects, @"Include FX Objects", 445, 190, 157),
        checkBox(O::saaAutomation, @"VST3 Sample Accurate Automation", 337, 211, 265),
        field(O::saaGranulatiry, @"Granularity:", 357, 475, 232, 50),
        checkBox(O::exposePTGRMeter, @"Expose Pro Tools GR Meter", 337, 259, 265),

        group(@"Project Type", 622, 20, 208, 115),
        radio(O::individualProject, @"Individual API", 632, 46, 188, "projectType:"),
        radio(O::indAAX, @"AAX", 652, 67, 54, "individAPISelect:"),
        radio(O::indAU, @"AU", 710, 67, 48, "individAPISelect:"),
        radio(O::indVST, @"VST", 762, 67, 54, "individAPISelect:"),
        radio(O::universalProject, @"Universal - Multiple APIs", 632, 88, 188, "projectType:"),
        checkBox(O::uniAAX, @"AAX", 652, 109, 54),
        checkBox(O::uniAU, @"AU", 710, 109, 48),
        checkBox(O::uniVST, @"VST", 762, 109, 54),

        group(@"Audio Processing", 622, 145, 208, 119),
        radio(O::processFrames, @"Process Frames", 632, 171, 188, "audioProccessing:"),
        radio(O::processBuffers, @"Process Entire Buffers", 632, 192, 188, "audioProccessing:"),
        radio(O::processBlocks, @"Process Sub-Blocks", 632, 213, 188, "audioProccessing:"),
        field(O::blockSize, @"Block Size:", 652, 736, 234, 60),

        shownField(O::projectFolderBox, @"SDK Project Folder:", 327, 469, 297, 253),
        push(@"Browse...", 730, 293, 100, "browseForProjFolder:", O::browseProject),
        push(@"Create Project", 438, 331, 132, "makeProject:"),
        push(@"Restore Template", 578, 331, 144, "restoreTemplateFolder:"),
        push(@"Exit", 730, 331, 100, "closeApp:"),
    };
}

- (void)loadView
{
    outlets = new AppKitOutlets;
    NSView* view = zzBuildPage(projectPageLayout(), self, outlets, zz::mac::kFirstProjectOutlet,
                               zz::mac::kFirstCoderOutlet, &keyViews);
    [self chainKeyViews];
    [self setView:view];

    logic = new zz::mac::ProjectPageLogic(*outlets, AppKitServices::shared(), zz::mac::PageLink::shared());
#ifdef GNUSTEP
    // GNUstep does not send viewDidLoad.
    [self viewDidLoad];
#endif
}

- (void)viewDidLoad
{
#ifndef GNUSTEP
    [super viewDidLoad];
#endif
    [[sharedData getSharedData] setProjectPage:self];
    AppKitServices::shared().setSheetDelegate(self);
    logic->viewDidLoad();
}

- (void)chainKeyViews
{
    zzChainKeyViews(keyViews);
}

- (void)viewDidAppear
{
    zzSizeWindow([self view]);
    // GNUstep works out a loop of its own from the controls' positions when
    // the window is first shown.
    [self chainKeyViews];
#ifndef GNUSTEP
    [super viewDidAppear];
#endif
}

- (void)viewWillDisappear
{
#ifndef GNUSTEP
    [super viewWillDisappear];
#endif
    logic->viewWillDisappear();
}

- (void)initControls
{
    logic->initControls();
}

- (BOOL)parseControls
{
    return logic->parseControls() ? YES : NO;
}

- (void)saveLogFile
{
    logic->saveLogFile();
}

- (IBAction)projectType:(id)sender
{
    outlets->applyRadioGroup(sender);
    Outlet outlet;
    if (outlets->outletOf(sender, &outlet)) logic->projectType(outlet);
}

- (IBAction)audioProccessing:(id)sender
{
    outlets->applyRadioGroup(sender);
}

- (IBAction)individAPISelect:(id)sender
{
    outlets->applyRadioGroup(sender);
}

- (IBAction)updateProjectName:(id)sender
{
    (void)sender;
    logic->updateProjectName();
}

- (IBAction)browseForProjFolder:(id)sender
{
    (void)sender;
    logic->browseForProjFolder();
}

- (IBAction)makeProject:(id)sender
{
    (void)sender;
    logic->makeProject();
}

- (IBAction)restoreTemplateFolder:(id)sender
{
    (void)sender;
    AppKitServices::shared().setWindow([[self view] window]);
    logic->restoreTemplateFolder();
}

- (void)alertDidEnd:(NSAlert*)alert returnCode:(NSInteger)returnCode contextInfo:(void*)contextInfo
{
    (void)alert;
    (void)contextInfo;
    // The sheet is gone before the restore shows its own alert.
    [[alert window] orderOut:nil];
    AppKitServices::shared().sheetEnded(static_cast<int>(returnCode));
}

- (IBAction)closeApp:(id)sender
{
    (void)sender;
    logic->closeApp();
}

- (NSSize)windowWillResize:(NSWindow*)sender toSize:(NSSize)frameSize
{
    (void)sender;
    return frameSize;
}

- (void)windowWillClose:(NSNotification*)notification
{
    (void)notification;
}

@end
