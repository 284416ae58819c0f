#include "ui/worksheet_form.h"

#include <array>

namespace ui {
namespace {

using Kind = Control::Kind;

// Fields, captions, buttons and lines of the worksheet, in twips from the
// top-left corner of the client area. Creation follows this order, the tab
// order follows the tab index. One row per control, so the formatter
// leaves it alone.
// clang-format off
constexpr auto kControls = std::to_array<Control>({
    // name (a field's and a button's follow from the field or step it is), kind, caption (for a field: its accessible name where its caption alone is
    // ambiguous, or it has none), twips, tab index, look, buddy, the field or step it is
    {{},          Kind::kField,   "",                                    {1440, 120, 1095, 285},   10,  Look::kStandard,    "Label1",  calc::kForwardPort},
    {{},          Kind::kField,   "",                                    {1440, 480, 1095, 285},   11,  Look::kStandard,    "Label2",  calc::kForwardStarboard},
    {{},          Kind::kField,   "",                                    {1440, 840, 1095, 285},   12,  Look::kStandard,    "Label3",  calc::kForwardMean},
    {{},          Kind::kField,   "Forward Stem Correction",             {1440, 1200, 1095, 285},  13,  Look::kStandard,    "Label4",  calc::kForwardStem},
    {{},          Kind::kField,   "",                                    {1440, 1560, 1095, 405},  14,  Look::kEmphasised,  "Label5",  calc::kForwardCorrected},
    {{},          Kind::kField,   "",                                    {1440, 2040, 1095, 285},  15,  Look::kStandard,    "Label6",  calc::kAftPort},
    {{},          Kind::kField,   "",                                    {1440, 2400, 1095, 285},  16,  Look::kStandard,    "Label7",  calc::kAftStarboard},
    {{},          Kind::kField,   "",                                    {1440, 2760, 1095, 285},  17,  Look::kStandard,    "Label8",  calc::kAftMean},
    {{},          Kind::kField,   "",                                    {1440, 3480, 1095, 405},  18,  Look::kEmphasised,  "Label9",  calc::kAftCorrected},
    {{},          Kind::kField,   "",                                    {1440, 4200, 1095, 405},  19,  Look::kEmphasised,  "Label10", calc::kForwardAftMean},
    {{},          Kind::kField,   "Aft Stem Correction",                 {1440, 3120, 1095, 285},  24,  Look::kStandard,    "Label14", calc::kAftStem},
    {{},          Kind::kField,   "",                                    {6600, 120, 1095, 285},   33,  Look::kStandard,    "Label11", calc::kMidPort},
    {{},          Kind::kField,   "",                                    {6600, 480, 1095, 285},   34,  Look::kStandard,    "Label12", calc::kMidStarboard},
    {{},          Kind::kField,   "",                                    {6600, 840, 1095, 285},   35,  Look::kEmphasised,  "Label13", calc::kMidMean},
    {{},          Kind::kField,   "",                                    {6600, 1200, 1095, 285},  36,  Look::kStandard,    "Label15", calc::kMeanOfMeans},
    {{},          Kind::kField,   "",                                    {6600, 1560, 1095, 405},  37,  Look::kStandard,    "Label16", calc::kDeformationCorrected},
    {{},          Kind::kField,   "Displacement from tables",            {6600, 2040, 1095, 285},  38,  Look::kStandard,    "Label17", calc::kDisplacement},
    {{},          Kind::kField,   "",                                    {6600, 2400, 1095, 285},  39,  Look::kStandard,    "Label18", calc::kTrimCorrection},
    {{},          Kind::kField,   "",                                    {6600, 2760, 1095, 405},  40,  Look::kStandard,    "Label19", calc::kCorrectedForTrim},
    {{},          Kind::kField,   "",                                    {6600, 3240, 1095, 405},  41,  Look::kStandard,    "Label20", calc::kObservedDensity},
    {{},          Kind::kField,   "Density Corrected: reference value",  {6600, 3720, 1095, 315},  42,  Look::kStandard,    "Label21", calc::kReferenceDensity},
    {{},          Kind::kField,   "Density Corrected: displacement",     {6600, 4200, 1095, 405},  43,  Look::kEmphasised,  "Label22", calc::kDensityCorrected},
    {{},          Kind::kField,   "",                                    {1200, 4920, 1095, 285},  56,  Look::kStandard,    "Label23", calc::kTrimForward},
    {{},          Kind::kField,   "",                                    {1200, 5280, 1095, 285},  57,  Look::kStandard,    "Label24", calc::kTrimAft},
    {{},          Kind::kField,   "",                                    {1200, 5640, 1095, 285},  58,  Look::kStandard,    "Label25", calc::kTrim},
    {{},          Kind::kField,   "",                                    {1200, 6000, 1095, 285},  59,  Look::kStandard,    "Label26", calc::kMean},
    {{},          Kind::kField,   "",                                    {1200, 6360, 1095, 285},  60,  Look::kStandard,    "Label27", calc::kTpc},
    {{},          Kind::kField,   "",                                    {6600, 4920, 1095, 285},  66,  Look::kStandard,    "Label28", calc::kLbp},
    {{},          Kind::kField,   "",                                    {6600, 5280, 1095, 285},  67,  Look::kStandard,    "Label29", calc::kLcf},
    {{},          Kind::kField,   "",                                    {6600, 5640, 1095, 285},  68,  Look::kStandard,    "Label30", calc::kMtcPlus50},
    {{},          Kind::kField,   "",                                    {6600, 6000, 1095, 285},  69,  Look::kStandard,    "Label31", calc::kMtcMinus50},
    {{},          Kind::kField,   "",                                    {6600, 6480, 1095, 405},  71,  Look::kEmphasised,  "Label32", calc::kDm},
    {{},          Kind::kField,   "Displacement corrected for density",  {1200, 7080, 1095, 405},  74,  Look::kStandard,    "Label33", calc::kCargoDisplacement},
    {{},          Kind::kField,   "",                                    {480, 7560, 855, 285},    78,  Look::kStandard,    "Label34", calc::kFuelOil},
    {{},          Kind::kField,   "",                                    {480, 7920, 855, 285},    79,  Look::kStandard,    "Label35", calc::kDieselOil},
    {{},          Kind::kField,   "",                                    {480, 8280, 855, 285},    80,  Look::kStandard,    "Label36", calc::kLubricatingOil},
    {{},          Kind::kField,   "",                                    {2520, 7560, 855, 285},   84,  Look::kStandard,    "Label37", calc::kFreshWater},
    {{},          Kind::kField,   "",                                    {2520, 7920, 855, 285},   85,  Look::kStandard,    "Label38", calc::kFeedWater},
    {{},          Kind::kField,   "",                                    {2520, 8280, 855, 285},   86,  Look::kStandard,    "Label39", calc::kConstant},
    {{},          Kind::kField,   "Cargo",                               {4080, 5880, 1095, 375},  88,  Look::kCargoResult, "",        calc::kCargo},
    {{},          Kind::kField,   "",                                    {5280, 8160, 855, 285},   91,  Look::kStandard,    "Label41", calc::kTrimCorrection2},
    {{},          Kind::kField,   "",                                    {5280, 7800, 855, 285},   92,  Look::kStandard,    "Label40", calc::kTrimCorrection1},
    {{},          Kind::kField,   "Total trim correction",               {5520, 7080, 1095, 405},  93,  Look::kTrimTotal,   "",        calc::kTotalTrimCorrection},
    {{},          Kind::kField,   "",                                    {2520, 7080, 855, 375},   99,  Look::kStandard,    "Label42", calc::kLightShip},
    {"Label1",    Kind::kCaption, "Draft Forward: P",                    {120, 120, 1335, 255},    0,   Look::kStandard,    ""},
    {"Label2",    Kind::kCaption, "Draft Forward: S",                    {120, 480, 1335, 255},    1,   Look::kStandard,    ""},
    {"Label3",    Kind::kCaption, "Draft Forward: M",                    {120, 840, 1335, 255},    2,   Look::kStandard,    ""},
    {"Label4",    Kind::kCaption, "Stem Correction",                     {120, 1200, 1335, 375},   3,   Look::kStandard,    ""},
    {"Label5",    Kind::kCaption, "Corrected Mean Draft Forward: A",     {120, 1560, 1335, 375},   4,   Look::kStandard,    ""},
    {"Label6",    Kind::kCaption, "Draft AFT: P",                        {120, 2040, 1095, 375},   5,   Look::kStandard,    ""},
    {"Label7",    Kind::kCaption, "Draft AFT: S",                        {120, 2400, 1095, 375},   6,   Look::kStandard,    ""},
    {"Label8",    Kind::kCaption, "Draft AFT: M",                        {120, 2760, 1095, 375},   7,   Look::kStandard,    ""},
    {"Label9",    Kind::kCaption, "Corrected Mean Draft AFT: F",         {120, 3480, 1335, 375},   8,   Look::kStandard,    ""},
    {"Label10",   Kind::kCaption, "Draft A + F Mean",                    {120, 4200, 1335, 375},   9,   Look::kStandard,    ""},
    {"Label11",   Kind::kCaption, "Draft Mid: P",                        {5640, 120, 975, 375},    20,  Look::kStandard,    ""},
    {"Label12",   Kind::kCaption, "Draft Mid: S",                        {5640, 480, 975, 255},    21,  Look::kStandard,    ""},
    {"Label13",   Kind::kCaption, "Draft Mid: M",                        {5640, 840, 975, 255},    22,  Look::kStandard,    ""},
    {"Label14",   Kind::kCaption, "Stem Correction",                     {120, 3120, 1335, 375},   23,  Look::kStandard,    ""},
    {"Label15",   Kind::kCaption, "Mean of means",                       {5400, 1200, 1215, 375},  25,  Look::kStandard,    ""},
    {"Label16",   Kind::kCaption, "Draft Corrected for Deformation",     {5400, 1560, 1215, 375},  26,  Look::kStandard,    ""},
    {"Label17",   Kind::kCaption, "Displacement",                        {5520, 2040, 1095, 375},  27,  Look::kStandard,    ""},
    {"Label18",   Kind::kCaption, "Trim Correction",                     {5400, 2400, 1215, 375},  28,  Look::kStandard,    ""},
    {"Label19",   Kind::kCaption, "Corrected for Trim",                  {5640, 2760, 1095, 375},  29,  Look::kStandard,    ""},
    {"Label20",   Kind::kCaption, "Observed Density",                    {5760, 3240, 855, 495},   30,  Look::kStandard,    ""},
    {"Label21",   Kind::kCaption, "Density Corrected",                   {5280, 3720, 1335, 375},  31,  Look::kStandard,    ""},
    {"Label22",   Kind::kCaption, "Density Corrected",                   {5760, 4200, 1095, 495},  32,  Look::kStandard,    ""},
    {"Label23",   Kind::kCaption, "Draft Forward",                       {120, 4920, 1095, 375},   51,  Look::kStandard,    ""},
    {"Label24",   Kind::kCaption, "Draft AFT",                           {360, 5280, 1095, 375},   52,  Look::kStandard,    ""},
    {"Label25",   Kind::kCaption, "Trim",                                {720, 5640, 1095, 375},   53,  Look::kStandard,    ""},
    {"Label26",   Kind::kCaption, "Mean",                                {720, 6000, 1215, 375},   54,  Look::kStandard,    ""},
    {"Label27",   Kind::kCaption, "T.P.C.",                              {600, 6360, 975, 375},    55,  Look::kStandard,    ""},
    {"Label28",   Kind::kCaption, "L.B.P.",                              {6120, 4920, 495, 375},   62,  Look::kStandard,    ""},
    {"Label29",   Kind::kCaption, "L.C.F.",                              {6120, 5280, 615, 375},   63,  Look::kStandard,    ""},
    {"Label30",   Kind::kCaption, "M.T.C. +50",                          {5640, 5640, 975, 495},   64,  Look::kStandard,    ""},
    {"Label31",   Kind::kCaption, "M.T.C. - 50",                         {5640, 6000, 855, 375},   65,  Look::kStandard,    ""},
    {"Label32",   Kind::kCaption, "D.M.",                                {6120, 6600, 495, 375},   70,  Look::kStandard,    ""},
    {"Label33",   Kind::kCaption, "Displacement",                        {120, 7080, 1095, 375},   73,  Look::kStandard,    ""},
    {"Label34",   Kind::kCaption, "F.O.",                                {120, 7560, 375, 375},    75,  Look::kStandard,    ""},
    {"Label35",   Kind::kCaption, "D.O.",                                {120, 7920, 495, 375},    76,  Look::kStandard,    ""},
    {"Label36",   Kind::kCaption, "L.O.",                                {120, 8280, 495, 255},    77,  Look::kStandard,    ""},
    {"Label37",   Kind::kCaption, "Fresh Water",                         {1560, 7560, 975, 255},   81,  Look::kStandard,    ""},
    {"Label38",   Kind::kCaption, "Feed Water",                          {1560, 7920, 1095, 375},  82,  Look::kStandard,    ""},
    {"Label39",   Kind::kCaption, "Constant",                            {1800, 8280, 1095, 255},  83,  Look::kStandard,    ""},
    {"Label40",   Kind::kCaption, "Trim Correction 1",                   {3960, 7800, 1335, 255},  89,  Look::kStandard,    ""},
    {"Label41",   Kind::kCaption, "Trim Correction 2",                   {3960, 8160, 1455, 255},  90,  Look::kStandard,    ""},
    {"Label42",   Kind::kCaption, "Light Ship",                          {3480, 7200, 855, 255},   98,  Look::kStandard,    ""},
    {"Label43",   Kind::kCaption, "P = Port",                            {3000, 120, 855, 255},    100, Look::kLegend,      ""},
    {"Label44",   Kind::kCaption, "S = Star Port",                       {3000, 480, 1095, 255},   101, Look::kLegend,      ""},
    {"Label45",   Kind::kCaption, "M = Middle",                          {3000, 840, 975, 255},    102, Look::kLegend,      ""},
    {{},          Kind::kButton,  "1st: Calculate Forward Draft",        {2640, 1080, 975, 855},   44,  Look::kStandard,    "",        calc::Step::kForwardDraftMeans},
    {{},          Kind::kButton,  "2nd: Calculate AFT Draft",            {2640, 2040, 975, 1815},  45,  Look::kStandard,    "",        calc::Step::kAftDraftMeans},
    {{},          Kind::kButton,  "3rd:      Draft A + F",               {2640, 4080, 975, 495},   46,  Look::kStandard,    "",        calc::Step::kForwardAftMean},
    {{},          Kind::kButton,  "4th: Calculate Mid Draft",            {4080, 120, 1095, 975},   47,  Look::kStandard,    "",        calc::Step::kMidshipMean},
    {{},          Kind::kButton,  "5th: Mean of Means",                  {4080, 1200, 1095, 735},  48,  Look::kStandard,    "",        calc::Step::kMeanOfMeans},
    {{},          Kind::kButton,  "Trim Correction",                     {4080, 2040, 1095, 1095}, 49,  Look::kStandard,    "",        calc::Step::kDisplacementCorrectedForTrim},
    {{},          Kind::kButton,  "Density Correction",                  {4080, 3240, 1095, 1335}, 50,  Look::kStandard,    "",        calc::Step::kDisplacementCorrectedForDensity},
    {{},          Kind::kButton,  "Calculate Trim",                      {2640, 4920, 975, 975},   61,  Look::kStandard,    "",        calc::Step::kTrim},
    {{},          Kind::kButton,  "Calculate D.M.",                      {4080, 4920, 1095, 615},  72,  Look::kStandard,    "",        calc::Step::kDeltaMtc},
    {{},          Kind::kButton,  "Calculate Cargo",                     {4080, 6240, 1095, 495},  87,  Look::kStandard,    "",        calc::Step::kCargo},
    {{},          Kind::kButton,  "Corrected for Trim",                  {6720, 7080, 975, 495},   94,  Look::kStandard,    "",        calc::Step::kTotalTrimCorrection},
    {{},          Kind::kButton,  "Calculate T.C. 1",                    {6240, 7800, 1455, 255},  95,  Look::kStandard,    "",        calc::Step::kTrimCorrection1},
    {{},          Kind::kButton,  "Calculate T.C. 2",                    {6240, 8160, 1455, 255},  96,  Look::kStandard,    "",        calc::Step::kTrimCorrection2},
    {{},          Kind::kButton,  "Click here to clear/delete all data", {2640, 6000, 975, 855},   97,  Look::kStandard,    "",        calc::Step::kClear},
    {"Line1",     Kind::kLine,    "",                                    {0, 4800, 7800, 4800},    -1,  Look::kStandard,    ""},
    {"Line2",     Kind::kLine,    "",                                    {0, 6960, 7920, 6960},    -1,  Look::kStandard,    ""},
    {"Line3",     Kind::kLine,    "",                                    {3960, 5760, 5280, 5760}, -1,  Look::kStandard,    ""},
    {"Line4",     Kind::kLine,    "",                                    {3960, 6840, 3960, 5760}, -1,  Look::kStandard,    ""},
    {"Line5",     Kind::kLine,    "",                                    {3960, 6840, 5280, 6840}, -1,  Look::kStandard,    ""},
    {"Line6",     Kind::kLine,    "",                                    {5280, 5760, 5280, 6840}, -1,  Look::kStandard,    ""},
});
// clang-format on

}  // namespace

std::span<const Control> WorksheetControls() {
  return kControls;
}

}  // namespace ui
