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

- (void)connectOutlets
{
    outlets->connectNamed(self, zz::mac::kFirstProjectOutlet, zz::mac::kFirstCoderOutlet);
}

- (void)loadView
{
    NSView* view = [[[FlippedView alloc] initWithFrame:NSMakeRect(0, 0, zzPageWidth, zzPageHeight)] autorelease];
    const CGFloat m = zzPageMargin;
    const CGFloat row = zzFieldHeight + 5;      // a row of text fields
    const CGFloat buttonRow = zzButtonHeight + 3;  // a row of check boxes or radio buttons
    const CGFloat hintRow = zzFieldHeight + 1;  // from a field to the hint under it
    const CGFloat hinted = hintRow + 13 + 5;    // a row of a field with a hint

    // Names, codes and vendor: labels with the fields in a column, hints
    // under their row.
    const CGFloat lx = m, lw = 104, fx = lx + lw + 4, fw = 189, codeWidth = 56;
    const CGFloat hintWidth = fx + fw - lx;
    CGFloat y = m;
    projectName = zzLabeledField(view, @"Project Name:", lx, fx, y, fw);
    [projectName setTarget:self];
    [projectName setAction:@selector(updateProjectName:)];
    [[projectName cell] setSendsActionOnEndEditing:YES];
    zzHint(view, @"Must be a valid CMake Folder name", lx, y + hintRow, hintWidth);
    y += hinted;
    pluginName = zzLabeledField(view, @"Plugin Name:", lx, fx, y, fw);
    y += row;
    fourCharCode = zzLabeledField(view, @"Plugin Code:", lx, fx, y, codeWidth);
    zzHint(view, @"Must be exactly 4 characters and unique.", lx, y + hintRow, hintWidth);
    y += hinted;
    fourCharCompany = zzLabeledField(view, @"Vendor Code:", lx, fx, y, codeWidth);
    zzHint(view, @"Must be exactly 4 characters", lx, y + hintRow, hintWidth);
    y += hinted;
    vendorName = zzLabeledField(view, @"Vendor Name:", lx, fx, y, fw);
    y += row;
    vendorURL = zzLabeledField(view, @"Vendor URL:", lx, fx, y, fw);
    y += row;
    vendorEmail = zzLabeledField(view, @"Vendor Email:", lx, fx, y, fw);
    y += row;
    aaxPluginName = zzLabeledField(view, @"AAX Name:", lx, fx, y, fw);
    zzHint(view, @"Limited to 31 characters", lx, y + hintRow, hintWidth);
    y += hinted;
    shortPluginName = zzLabeledField(view, @"Short Name:", lx, fx, y, fw);
    zzHint(view, @"Limited to 15 characters", lx, y + hintRow, hintWidth);
    y += hinted;
    categoryCombo = zzLabeledCombo(view, @"AAX Category:", lx, fx, y, fw);

    // Plug-in options. The number fields share one column; Infinite Tail
    // sits beside the tail time, FX Objects beside FFTW.
    const CGFloat ox = fx + fw + 10, ow = 285, oi = ox + zzGroupInset, oiw = ow - 2 * zzGroupInset;
    const CGFloat nx = oi + 138, nw = 50, indent = 20;
    y = m + zzGroupTop;
    synthPlugin = zzCheckBox(view, @"Synth Plugin (no audio input)", oi, y, oiw, nil, NULL);
    y += buttonRow;
    enableSidechain = zzCheckBox(view, @"Enable Sidechain", oi, y, oiw, nil, NULL);
    y += buttonRow;
    enableParameterSmoothing = zzCheckBox(view, @"Parameter Smoothing", oi, y, oiw, nil, NULL);
    y += buttonRow;
    smoothingTime = zzLabeledField(view, @"Time (mSec):", oi + indent, nx, y, nw);
    y += row;
    pluginLatency = zzLabeledField(view, @"Latency (samples):", oi, nx, y, nw);
    y += row;
    tailTime = zzLabeledField(view, @"Tail Time (mSec):", oi, nx, y, nw);
    infiniteTail = zzCheckBox(view, @"Infinite", nx + nw + 6, y + 2, oi + oiw - (nx + nw + 6), nil, NULL);
    y += row;
    linkFFTW = zzCheckBox(view, @"Link FFTW", oi, y, 100, nil, NULL);
    includeFXObjects = zzCheckBox(view, @"Include FX Objects", oi + 108, y, oiw - 108, nil, NULL);
    y += buttonRow;
    saaAutomation = zzCheckBox(view, @"VST3 Sample Accurate Automation", oi, y, oiw, nil, NULL);
    y += buttonRow;
    saaGranulatiry = zzLabeledField(view, @"Granularity:", oi + indent, nx, y, nw);
    y += row;
    exposePTGRMeter = zzCheckBox(view, @"Expose Pro Tools GR Meter", oi, y, oiw, nil, NULL);
    y += zzButtonHeight + 8;
    zzGroup(view, @"Plugin Options", ox, m, ow, y - m);
    const CGFloat optionsBottom = y;

    // Project type with its APIs, and processing.
    const CGFloat tx = ox + ow + 10, tw = zzPageWidth - m - tx, ti = tx + zzGroupInset, tiw = tw - 2 * zzGroupInset;
    const CGFloat apiX = ti + indent;
    const SEL api = @selector(individAPISelect:);
    y = m + zzGroupTop;
    individualProject = zzRadio(view, @"Individual API", ti, y, tiw, self, @selector(projectType:));
    y += buttonRow;
    indAAX = zzRadio(view, @"AAX", apiX, y, 54, self, api);
    indAU = zzRadio(view, @"AU", apiX + 58, y, 48, self, api);
    indVST = zzRadio(view, @"VST", apiX + 110, y, 54, self, api);
    y += buttonRow;
    universalProject = zzRadio(view, @"Universal - Multiple APIs", ti, y, tiw, self, @selector(projectType:));
    y += buttonRow;
    uniAAX = zzCheckBox(view, @"AAX", apiX, y, 54, nil, NULL);
    uniAU = zzCheckBox(view, @"AU", apiX + 58, y, 48, nil, NULL);
    uniVST = zzCheckBox(view, @"VST", apiX + 110, y, 54, nil, NULL);
    y += zzButtonHeight + 8;
    zzGroup(view, @"Project Type", tx, m, tw, y - m);

    const SEL processing = @selector(audioProccessing:);
    const CGFloat processingTop = y + 10;
    y = processingTop + zzGroupTop;
    processFrames = zzRadio(view, @"Process Frames", ti, y, tiw, self, processing);
    y += buttonRow;
    processBuffers = zzRadio(view, @"Process Entire Buffers", ti, y, tiw, self, processing);
    y += buttonRow;
    processBlocks = zzRadio(view, @"Process Sub-Blocks", ti, y, tiw, self, processing);
    y += buttonRow;
    blockSize = zzLabeledField(view, @"Block Size:", ti + indent, ti + indent + 84, y, 60);
    y += zzFieldHeight + 8;
    zzGroup(view, @"Audio Processing", tx, processingTop, tw, y - processingTop);

    // The project folder and the commands, under both groups.
    y = (optionsBottom > y ? optionsBottom : y) + 8;
    const CGFloat browseWidth = 100, folderX = ox + 138 + 4;
    projectFolderBox = zzLabeledField(view, @"SDK Project Folder:", ox, folderX, y + 4,
                                      zzPageWidth - m - browseWidth - 8 - folderX);
    [projectFolderBox setEditable:NO];
    [projectFolderBox setSelectable:YES];
    browseProject = zzPushButton(view, @"Browse...", zzPageWidth - m - browseWidth, y, browseWidth, self,
                                 @selector(browseForProjFolder:));
    y += zzPushHeight + 8;
    NSButton* exitButton = zzPushButton(view, @"Exit", zzPageWidth - m - 100, y, 100, self, @selector(closeApp:));
    NSButton* restoreButton = zzPushButton(view, @"Restore Template", zzPageWidth - m - 100 - 8 - 144, y, 144, self,
                                           @selector(restoreTemplateFolder:));
    NSButton* createButton = zzPushButton(view, @"Create Project", zzPageWidth - m - 100 - 8 - 144 - 8 - 132, y, 132,
                                          self, @selector(makeProject:));

    // Tab walks the page in reading order: down each column, then the
    // folder row and the commands.
    keyViews = [[NSArray alloc] initWithObjects:projectName, pluginName, fourCharCode, fourCharCompany, vendorName,
                                              vendorURL, vendorEmail, aaxPluginName, shortPluginName, categoryCombo,
                                              synthPlugin, enableSidechain, enableParameterSmoothing, smoothingTime,
                                              pluginLatency, tailTime, infiniteTail, linkFFTW, includeFXObjects,
                                              saaAutomation, saaGranulatiry, exposePTGRMeter, individualProject,
                                              indAAX, indAU, indVST, universalProject, uniAAX, uniAU, uniVST,
                                              processFrames, processBuffers, processBlocks, blockSize,
                                              projectFolderBox, browseProject, createButton, restoreButton,
                                              exitButton, nil];
    [self chainKeyViews];

    [self setView:view];

    outlets = new AppKitOutlets;
    [self connectOutlets];
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
