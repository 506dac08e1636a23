#import "ViewController.h"

#import "AppKitOutlets.h"
#import "AppKitServices.h"
#import "PageLayout.h"
#import "sharedData.h"

#include "shareddata.h"

using zz::mac::Outlet;

@implementation ViewController

- (void)dealloc
{
    delete page;
    delete outlets;
    [super dealloc];
}

- (zz::mac::ViewController*)page
{
    return page;
}

- (AppKitOutlets*)outlets
{
    return outlets;
}

- (void)connectOutlets
{
    outlets->connectNamed(self, zz::mac::kFirstProjectOutlet, zz::mac::kFirstCoderOutlet);
}

- (void)loadView
{
    NSView* view = [[[FlippedView alloc] initWithFrame:NSMakeRect(0, 0, 850, 400)] autorelease];
    const SEL toggle = @selector(toggleButton:);

    // Names and codes.
    const CGFloat lx = 12, fx = 135, fw = 150;
    zzLabel(view, @"Project Name:", lx, 10, 120);
    projectName = zzField(view, fx, 10, fw);
    [projectName setTarget:self];
    [projectName setAction:@selector(updateProjectName:)];
    [[projectName cell] setSendsActionOnEndEditing:YES];
    zzLabel(view, @"Plugin Name:", lx, 40, 120);
    pluginName = zzField(view, fx, 40, fw);
    zzLabel(view, @"Plugin Code:", lx, 70, 120);
    fourCharCode = zzField(view, fx, 70, 60);
    zzLabel(view, @"4 chars, unique", fx + 66, 70, 100);
    zzLabel(view, @"Company Code:", lx, 100, 120);
    fourCharCompany = zzField(view, fx, 100, 60);
    zzLabel(view, @"4 chars", fx + 66, 100, 100);
    zzLabel(view, @"Company Name:", lx, 130, 120);
    vendorName = zzField(view, fx, 130, fw);
    zzLabel(view, @"Vendor URL:", lx, 160, 120);
    vendorURL = zzField(view, fx, 160, fw);
    zzLabel(view, @"Vendor Email:", lx, 190, 120);
    vendorEmail = zzField(view, fx, 190, fw);
    zzLabel(view, @"AAX Plugin Name:", lx, 220, 120);
    aaxPluginName = zzField(view, fx, 220, fw);
    zzLabel(view, @"AAX Short Name:", lx, 250, 120);
    shortPluginName = zzField(view, fx, 250, fw);
    zzLabel(view, @"AAX Category:", lx, 280, 120);
    categoryCombo = zzCombo(view, fx, 279, fw);

    // Plug-in options.
    const CGFloat ox = 315, nx = 495, nw = 65;
    zzGroup(view, @"Plugin Options", 302, 2, 272, 306);
    synthPlugin = zzCheckBox(view, @"Synth Plugin (no audio input)", ox, 26, 250, self, toggle);
    enableSidechain = zzCheckBox(view, @"Enable Sidechain", ox, 48, 250, self, toggle);
    enableParameterSmoothing = zzCheckBox(view, @"Parameter Smoothing", ox, 70, 250, self, toggle);
    zzLabel(view, @"Smoothing Time (mSec):", ox + 20, 93, 160);
    smoothingTime = zzField(view, nx, 93, nw);
    zzLabel(view, @"Latency (samples):", ox, 120, 170);
    pluginLatency = zzField(view, nx, 120, nw);
    zzLabel(view, @"Tail Time (mSec):", ox, 147, 170);
    tailTime = zzField(view, nx, 147, nw);
    infiniteTail = zzCheckBox(view, @"Infinite Tail", ox, 172, 250, self, toggle);
    linkFFTW = zzCheckBox(view, @"Link FFTW", ox, 194, 250, self, toggle);
    saaAutomation = zzCheckBox(view, @"VST3 Sample Accurate Automation", ox, 216, 255, self, toggle);
    zzLabel(view, @"Granularity (samples):", ox + 20, 239, 160);
    saaGranulatiry = zzField(view, nx, 239, nw);
    exposePTGRMeter = zzCheckBox(view, @"Expose Pro Tools GR Meter", ox, 264, 250, self, toggle);
    includeFXObjects = zzCheckBox(view, @"Include FX Objects", ox, 286, 250, self, toggle);

    // Project type, APIs, processing.
    const CGFloat rx = 600;
    zzGroup(view, @"Project Type", 586, 2, 252, 74);
    individualProject = zzRadio(view, @"Individual API", rx, 26, 230, self, @selector(projectType:));
    universalProject = zzRadio(view, @"Universal - Multiple APIs", rx, 48, 230, self, @selector(projectType:));
    zzGroup(view, @"Target APIs", 586, 80, 252, 78);
    zzLabel(view, @"Individual:", rx, 104, 75);
    indAAX = zzRadio(view, @"AAX", 675, 104, 55, self, @selector(individAPISelect:));
    indAU = zzRadio(view, @"AU", 730, 104, 48, self, @selector(individAPISelect:));
    indVST = zzRadio(view, @"VST", 778, 104, 55, self, @selector(individAPISelect:));
    zzLabel(view, @"Universal:", rx, 128, 75);
    uniAAX = zzCheckBox(view, @"AAX", 675, 128, 55, self, toggle);
    uniAU = zzCheckBox(view, @"AU", 730, 128, 48, self, toggle);
    uniVST = zzCheckBox(view, @"VST", 778, 128, 55, self, toggle);
    zzGroup(view, @"Audio Processing", 586, 162, 252, 146);
    processFrames = zzRadio(view, @"Process Frames (default)", rx, 186, 230, self, @selector(audioProccessing:));
    processBuffers = zzRadio(view, @"Process Entire Buffers", rx, 208, 230, self, @selector(audioProccessing:));
    processBlocks = zzRadio(view, @"Process Sub-Blocks", rx, 230, 230, self, @selector(audioProccessing:));
    zzLabel(view, @"Block Size (samples):", rx + 20, 256, 140);
    blockSize = zzField(view, 765, 256, 60);

    // Folder and commands.
    zzLabel(view, @"SDK Project Folder:", lx, 320, 120);
    projectFolderBox = zzField(view, fx, 320, 560);
    [projectFolderBox setEditable:NO];
    [projectFolderBox setSelectable:YES];
    browseProject = zzPushButton(view, @"Browse...", 705, 316, 130, self, @selector(browseForProjFolder:));
    zzPushButton(view, @"Create Project", 425, 358, 130, self, @selector(makeProject:));
    zzPushButton(view, @"Restore Template", 565, 358, 130, self, @selector(restoreTemplateFolder:));
    zzPushButton(view, @"Exit", 705, 358, 130, self, @selector(closeApp:));

    [self setView:view];

    outlets = new AppKitOutlets;
    [self connectOutlets];
    page = new zz::mac::ViewController(*outlets, AppKitServices::shared(), zz::mac::SharedData::getSharedData());
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
    page->viewDidLoad();
}

- (void)viewDidAppear
{
    zzSizeWindow([self view]);
#ifndef GNUSTEP
    [super viewDidAppear];
#endif
}

- (void)viewWillDisappear
{
#ifndef GNUSTEP
    [super viewWillDisappear];
#endif
    page->viewWillDisappear();
}

- (void)initControls
{
    page->initControls();
}

- (BOOL)parseControls
{
    return page->parseControls() ? YES : NO;
}

- (void)saveLogFile
{
    page->saveLogFile();
}

- (IBAction)toggleButton:(id)sender
{
    (void)sender;
}

- (IBAction)projectType:(id)sender
{
    outlets->applyRadioGroup(sender);
    Outlet outlet;
    if (outlets->outletOf(sender, &outlet)) page->projectType(outlet);
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
    page->updateProjectName();
}

- (IBAction)browseForProjFolder:(id)sender
{
    (void)sender;
    page->browseForProjFolder();
}

- (IBAction)makeProject:(id)sender
{
    (void)sender;
    page->makeProject();
}

- (IBAction)restoreTemplateFolder:(id)sender
{
    (void)sender;
    AppKitServices::shared().setWindow([[self view] window]);
    page->restoreTemplateFolder();
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
    page->closeApp();
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
