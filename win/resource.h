// Resource numbers of the Windows program: dialog templates, the icon and every
// control. Plain #defines so that the resource compiler, the Win32 layer and
// the portable page classes all read the same numbers.
#pragma once

// ---- Templates and icon -----------------------------------------------------
#define IDR_MAINFRAME                   129     // application icon
#define IDD_PROJECTPAGE                 132     // "Zezure Project Creator"
#define IDD_CONTROLCODERPAGE            134     // "GUI Code Creator"
#define IDD_SUCCESSDLG                  136     // "Success"

// ---- Standard buttons -------------------------------------------------------
#ifndef IDOK
#define IDOK                            1
#endif
#ifndef IDCANCEL
#define IDCANCEL                        2
#endif
#ifndef IDHELP
#define IDHELP                          9
#endif
#define IDC_SHEET_HELP                  9       // the sheet's Help button

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

// ---- Project page (template 132) --------------------------------------------
#define IDC_PROJECT_FOLDER              1125    // read-only: projectFolderPath
#define IDC_BROWSE_FOLDER               1132
#define IDC_PROJECT_NAME                1122
#define IDC_PLUGIN_NAME                 1129
#define IDC_PLUGIN_CODE                 1128    // at most 4 characters
#define IDC_COMPANY_CODE                1127    // at most 4 characters
#define IDC_COMPANY_NAME                1126
#define IDC_VENDOR_URL                  2031
#define IDC_VENDOR_EMAIL                2032
#define IDC_AAX_PLUGIN_NAME             1123    // at most 31 characters
#define IDC_AAX_SHORT_NAME              1124    // at most 15 characters
#define IDC_AAX_CATEGORY                1846
#define IDC_SYNTH_PLUGIN                1374
#define IDC_ENABLE_SIDECHAIN            1971
#define IDC_PARAM_SMOOTHING             1973
#define IDC_SMOOTHING_TIME              1965    // digits only
#define IDC_LATENCY                     1963    // digits only
#define IDC_TAIL_TIME                   1964    // digits only
#define IDC_INFINITE_TAIL               1381
#define IDC_LINK_FFTW                   1382
#define IDC_ENABLE_SAA                  1974
#define IDC_SAA_GRANULARITY             1966    // digits only
#define IDC_PT_GR_METER                 1384
#define IDC_PROCESS_FRAMES              1038
#define IDC_PROCESS_BUFFERS             1039
#define IDC_PROCESS_BLOCKS              1040
#define IDC_BLOCK_SIZE                  1967    // digits only
#define IDC_INDIVIDUAL_API              2024
#define IDC_INDIVIDUAL_AAX              2022
#define IDC_INDIVIDUAL_AU               2023
#define IDC_INDIVIDUAL_VST              1112
#define IDC_UNIVERSAL_API               2021
#define IDC_UNIVERSAL_AAX               2025
#define IDC_UNIVERSAL_AU                2026
#define IDC_UNIVERSAL_VST               2027
#define IDC_CREATE_PROJECT              1000
#define IDC_INCLUDE_FX_OBJECTS          1383    // hidden and disabled
#define IDC_AUVAL_LINE                  1803    // hidden, read-only
#define IDC_TEMPLATE_SOURCE_GROUP       1821    // hidden
#define IDC_TEMPLATE_SECURE             2028    // hidden
#define IDC_TEMPLATE_CUSTOM             2029    // hidden
#define IDC_RESTORE_TEMPLATE            1036    // hidden

// Labels and hints of the project page.
#define IDC_LBL_PROJECT_NAME            1815
#define IDC_HINT_PROJECT_NAME           1816
#define IDC_LBL_PLUGIN_NAME             1805
#define IDC_LBL_PLUGIN_CODE             1801
#define IDC_HINT_PLUGIN_CODE            1807
#define IDC_LBL_COMPANY_CODE            1800
#define IDC_HINT_COMPANY_CODE           1813
#define IDC_LBL_COMPANY_NAME            1799
#define IDC_LBL_VENDOR_URL              1823
#define IDC_LBL_VENDOR_EMAIL            1824
#define IDC_LBL_AAX_PLUGIN_NAME         1817
#define IDC_HINT_AAX_PLUGIN_NAME        1808
#define IDC_LBL_AAX_SHORT_NAME          1818
#define IDC_HINT_AAX_SHORT_NAME         1809
#define IDC_LBL_AAX_CATEGORY            1802
#define IDC_LBL_SMOOTHING_TIME          2008
#define IDC_LBL_SAA_GRANULARITY         2009
#define IDC_GRP_PROJECT_TYPE            1820

// ---- Control coder page (template 134) --------------------------------------
#define IDC_CONTROL_NAME                1007
#define IDC_CONTROL_ID                  1002
#define IDC_ENABLE_BINDING              1028
#define IDC_BOUND_VAR_TYPE              1017
#define IDC_BOUND_VAR_NAME              1029
#define IDC_VAR_TO_CLIPBOARD            1030
#define IDC_TYPE_CONTINUOUS             1020
#define IDC_CONTROL_UNITS               1008
#define IDC_MIN_VALUE                   1003
#define IDC_MAX_VALUE                   1004
#define IDC_DEF_VALUE                   1005
#define IDC_CONTROL_TAPER               1006
#define IDC_DISPLAY_PRECISION           1010    // digits only
#define IDC_CONTROL_DATA_TYPE           1009
#define IDC_TYPE_ONOFF                  1021
#define IDC_ONOFF_LIST                  1011
#define IDC_DEFAULT_OFF                 1025
#define IDC_DEFAULT_ON                  1026
#define IDC_TYPE_MULTI                  1022
#define IDC_MULTI_LIST                  1015
#define IDC_MULTI_DEFAULT_INDEX         1012    // digits only
#define IDC_TYPE_METER                  1023
#define IDC_ATTACK_TIME                 1013
#define IDC_RELEASE_TIME                1014
#define IDC_METER_DETECTOR              1016
#define IDC_METER_CAL                   1018
#define IDC_INVERTED_METER              1019
#define IDC_PT_GAIN_METER               1384
#define IDC_INCLUDE_DECLARATION         1031
#define IDC_COMMENTS                    1034    // multi-line
#define IDC_RESET                       3
#define IDC_CODE_TO_CLIPBOARD           1027
#define IDC_CONTROL_TYPE_LIST           1001    // hidden, never read
#define IDC_TYPE_NON_BOUND              1024    // hidden

// Labels and hints of the control coder page.
#define IDC_LBL_CONTROL_NAME            1808
#define IDC_LBL_CONTROL_ID              1803
#define IDC_HINT_CONTROL_ID             1821
#define IDC_LBL_BOUND_VAR_TYPE          1818
#define IDC_LBL_BOUND_VAR_NAME          1820
#define IDC_LBL_CONTROL_UNITS           1809
#define IDC_HINT_CONTROL_UNITS          1823
#define IDC_LBL_MIN_VALUE               1804
#define IDC_LBL_MAX_VALUE               1805
#define IDC_LBL_DEF_VALUE               1806
#define IDC_LBL_CONTROL_TAPER           1807
#define IDC_LBL_DISPLAY_PRECISION       1811
#define IDC_LBL_CONTROL_DATA_TYPE       1810
#define IDC_LBL_ONOFF_LIST              1812
#define IDC_HINT_ONOFF_LIST             1824
#define IDC_LBL_MULTI_LIST              1816
#define IDC_HINT_MULTI_LIST             1825
#define IDC_LBL_MULTI_DEFAULT_INDEX     1813
#define IDC_LBL_ATTACK_TIME             1814
#define IDC_LBL_RELEASE_TIME            1815
#define IDC_LBL_METER_DETECTOR          1817
#define IDC_LBL_METER_CAL               1819
#define IDC_LBL_COMMENTS                1822
#define IDC_LBL_CONTROL_TYPE_LIST       1802

// ---- Success dialog (template 136) -------------------------------------------
#define IDC_SAVE_DIAGNOSTICS            1037    // hidden
