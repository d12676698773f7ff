#pragma once
// Resource and control ids of the program. Ids of controls are unique within
// their dialog; different dialogs reuse numbers.

// Dialog templates.
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_MAIN_SELECT = 102;
constexpr unsigned IDD_CALCULATOR = 129;
constexpr unsigned IDD_CORRELATION = 130;
constexpr unsigned IDD_CONTACT = 132;
constexpr unsigned IDD_SCREENING = 134;
constexpr unsigned IDD_RESPONSE = 136;

// Strings, icons, cursors.
constexpr unsigned IDS_ABOUTBOX = 101;
constexpr unsigned IDR_MAINFRAME = 128;
constexpr unsigned IDC_LINK_HAND = 131;

// System-menu command of the About item.
constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Main dialog (102).
constexpr int IDC_ANALYSIS_SELECT = 1001;
constexpr int IDC_VISIT_WEB_SITE = 1016;

// Calculator dialog (129).
constexpr int IDC_ANALYSIS_LIST = 1002;
constexpr int IDC_UNITS_LIST = 1004;
constexpr int IDC_UNITS_GROUP = 1005;
constexpr int IDC_DATA_GROUP = 1006;
constexpr int IDC_SLOT_LABEL1 = 1007;
constexpr int IDC_SLOT_INPUT1 = 1008;
constexpr int IDC_SLOT_LABEL2 = 1009;
constexpr int IDC_SLOT_INPUT2 = 1010;
constexpr int IDC_SLOT_LABEL3 = 1011;
constexpr int IDC_SLOT_INPUT3 = 1012;
constexpr int IDC_RESULT_VALUE = 1021;
constexpr int IDC_RESULT_LABEL = 1022;
constexpr int IDC_RESULT_GROUP = 1023;

// Correlation dialog (130).
constexpr int IDC_STROUHAL_VALUE = 1009;
constexpr int IDC_REYNOLDS_GROUP = 1010;
constexpr int IDC_STROUHAL_GROUP = 1012;
constexpr int IDC_REYNOLDS_INPUT = 1013;

// Contact dialog (132).
constexpr int IDC_MAIL_LINK = 1018;
constexpr int IDC_WEB_LINK = 1020;

// Lock-in screening dialog (134).
constexpr int IDC_SCREEN_UNITS = 1030;
constexpr int IDC_SCREEN_FLUID = 1031;
constexpr int IDC_TEMPERATURE_LABEL = 1032;
constexpr int IDC_TEMPERATURE = 1033;
constexpr int IDC_VISCOSITY_LABEL = 1034;
constexpr int IDC_VISCOSITY = 1035;
constexpr int IDC_VELOCITY_LABEL = 1036;
constexpr int IDC_VELOCITY = 1037;
constexpr int IDC_DIAMETER_LABEL = 1038;
constexpr int IDC_DIAMETER = 1039;
constexpr int IDC_NATURAL_FREQUENCY = 1040;
constexpr int IDC_BAND_LOW = 1041;
constexpr int IDC_BAND_HIGH = 1042;
constexpr int IDC_SCREEN_RESULTS = 1043;
// The figures' labels and values, in the order of the core's figures.
constexpr int IDC_FIGURE_LABEL_FIRST = 1050;  // 1050 to 1058
constexpr int IDC_FIGURE_VALUE_FIRST = 1060;  // 1060 to 1068
constexpr int IDC_VERDICT = 1070;
constexpr int IDC_CHART = 1071;

// Vortex-induced response dialog (136). It shows its verdict and chart in
// the screening's IDC_VERDICT and IDC_CHART, and takes its diameter in
// IDC_DIAMETER_LABEL and IDC_DIAMETER.
constexpr int IDC_RESPONSE_UNITS = 1090;
constexpr int IDC_RESPONSE_SUPPORT = 1091;
constexpr int IDC_FREQUENCY_SOURCE = 1092;
constexpr int IDC_DAMPING_MEASURE = 1093;
constexpr int IDC_RESPONSE_RESULTS = 1094;
// The typed values' labels and fields, label and field side by side: the
// height, fn, me, the tube's wall, E, density and extra mass, the damping,
// vm and the design life.
constexpr int IDC_HEIGHT_LABEL = 1100;
constexpr int IDC_HEIGHT = 1101;
constexpr int IDC_FREQUENCY_LABEL = 1102;
constexpr int IDC_FREQUENCY = 1103;
constexpr int IDC_MASS_LABEL = 1104;
constexpr int IDC_MASS = 1105;
constexpr int IDC_WALL_LABEL = 1106;
constexpr int IDC_WALL = 1107;
constexpr int IDC_MODULUS_LABEL = 1108;
constexpr int IDC_MODULUS = 1109;
constexpr int IDC_DENSITY_LABEL = 1110;
constexpr int IDC_DENSITY = 1111;
constexpr int IDC_EXTRA_MASS_LABEL = 1112;
constexpr int IDC_EXTRA_MASS = 1113;
constexpr int IDC_DAMPING_LABEL = 1114;
constexpr int IDC_DAMPING = 1115;
constexpr int IDC_MEAN_WIND_LABEL = 1116;
constexpr int IDC_MEAN_WIND = 1117;
constexpr int IDC_LIFE_LABEL = 1118;
constexpr int IDC_LIFE = 1119;
// The figures' labels and values, in the order of the core's figures.
constexpr int IDC_RESPONSE_LABEL_FIRST = 1120;  // 1120 to 1137
constexpr int IDC_RESPONSE_VALUE_FIRST = 1140;  // 1140 to 1157

// Buttons of the analyses that take their figures and chart out of the
// program (the screening and the response dialogs).
constexpr int IDC_COPY = 1080;
constexpr int IDC_SAVE_CHART = 1081;
