#ifndef LUMORA_RESOURCE_IDS_H
#define LUMORA_RESOURCE_IDS_H
/* Resource and control ids of Lumora, shared by lumora.rc and the program's code.
   Plain #defines: the resource compiler reads this file too. */

/* ---- dialogs ---- */
#define IDD_MAIN_WINDOW          102
#define IDD_LINK_INFO_PAGE       103
#define IDD_ABOUT_PAGE           104
#define IDD_CONFIGURATION_PAGE   105
#define IDD_SECURITY_PAGE        107
#define IDD_SITE_SURVEY_PAGE     108
#define IDD_PROFILE_EDITOR       110
#define IDD_WIZARD_SETUP_PAGE    112
#define IDD_WIZARD_TEST_PAGE     113
#define IDD_WIZARD_WELCOME_PAGE  114

/* ---- icons ---- */
#define IDI_APPLICATION_ICON     128
#define IDI_TRAY_NO_SIGNAL       220
#define IDI_TRAY_FAIR_SIGNAL     222
#define IDI_TRAY_POOR_SIGNAL     223
#define IDI_TRAY_GOOD_SIGNAL     225
#define IDI_TRAY_NO_CARD         226

/* ---- menus ---- */
#define IDR_TRAY_MENU            154

/* ---- bitmaps: page images ---- */
#define IDB_SEARCH_BUTTON        166
#define IDB_APPLY_BUTTON         168
#define IDB_CANCEL_BUTTON        169
#define IDB_SURVEY_CONNECT       171
#define IDB_OK_BUTTON            173
#define IDB_SURVEY_PROPERTIES    174
#define IDB_SURVEY_RESCAN        177
#define IDB_SURVEY_REMOVE        178
#define IDB_SURVEY_ADD           179
#define IDB_SURVEY_RESCAN_DOWN   182
#define IDB_ABOUT_TITLE          190
#define IDB_NETWORK_IMAGES       239  /* strip of 16 x 16 images, magenta transparent */
#define IDB_WIZARD_NEXT          268
#define IDB_ABOUT_FRAME          297
#define IDB_ABOUT_BANNER         306
#define IDB_MAIN_BANNER          310  /* product banner across the main window's top */

/* ---- bitmaps: header row (normal, hover; the pressed look is the normal one) ---- */
#define IDB_HEADER_ABOUT         204
#define IDB_HEADER_ABOUT_HOVER   205
#define IDB_HEADER_CONFIG        206
#define IDB_HEADER_CONFIG_HOVER  207
#define IDB_HEADER_LINK          208
#define IDB_HEADER_LINK_HOVER    209
#define IDB_HEADER_SECURITY      212
#define IDB_HEADER_SECURITY_HOVER 213
#define IDB_HEADER_SURVEY        214
#define IDB_HEADER_SURVEY_HOVER  215
#define IDB_HEADER_WIZARD_HOVER  263
#define IDB_HEADER_WIZARD        264
/* the look of the page that is showing */
#define IDB_HEADER_ABOUT_CURRENT    299
#define IDB_HEADER_CONFIG_CURRENT   300
#define IDB_HEADER_LINK_CURRENT     301
#define IDB_HEADER_SECURITY_CURRENT 302
#define IDB_HEADER_SURVEY_CURRENT   303
#define IDB_HEADER_WIZARD_CURRENT   304

/* Images of the network strip (IDB_NETWORK_IMAGES), by index. */
#define NETIMG_ADHOC                0   /* ad-hoc network / ad-hoc profile in range */
#define NETIMG_AP_B                 1   /* access point, 802.11b rates */
#define NETIMG_AP                   2   /* access point, rates not recognised */
#define NETIMG_AP_G                 3   /* access point, 802.11g rates */
#define NETIMG_PROFILE_OUT_OF_RANGE 4   /* infrastructure profile not in range */
#define NETIMG_AP_CONNECTED         5   /* associated access point / profile in force */
#define NETIMG_ADHOC_CONNECTED      6   /* joined ad-hoc network / profile in force */
#define NETIMG_ADHOC_OUT_OF_RANGE   7   /* ad-hoc profile not in range */
#define NETIMG_SIGNAL_LOW           8
#define NETIMG_SIGNAL_MEDIUM        9
#define NETIMG_SIGNAL_HIGH          10
#define NETIMG_LOCKED               11  /* network that needs a key */
#define NETIMG_PROFILE_IN_RANGE     12  /* infrastructure profile whose network is in range */
#define NETIMG_COUNT                13

/* ---- controls ---- */
/* header row, on every page (left to right) and, hidden, on the main window */
#define IDC_HEADER_WIZARD        1207
#define IDC_HEADER_LINK_INFO     1148
#define IDC_HEADER_CONFIG        1142
#define IDC_HEADER_SECURITY      1143
#define IDC_HEADER_SITE_SURVEY   1149
#define IDC_HEADER_ABOUT         1146

#define IDC_PAGE_HOST            1002  /* main window: tab control holding the pages */
#define IDC_HIDE_BUTTON          1039  /* main window: hidden "Hide" button */
#define IDC_WIZARD_NEXT          1212  /* wizard pages: Next */
#define IDC_APPLY                1133
#define IDC_CANCEL_IMAGE         1132
#define IDC_ABOUT_BANNER         1300  /* About page pictures */
#define IDC_ABOUT_TITLE          1301
#define IDC_ABOUT_FRAME          1302
#define IDC_MAIN_BANNER          1303  /* main window picture */
#define IDC_HEADER_RULE          1304  /* line under the header row of a page */

/* link display: Link Info page (103) and the wizard's test page (113) */
#define IDC_SIGNAL_BAR           1162
#define IDC_SIGNAL_PERCENT       1014
#define IDC_QUALITY_BAR          1163
#define IDC_QUALITY_PERCENT      1017
#define IDC_TX_FIGURE            1015
#define IDC_RX_FIGURE            1016
#define IDC_TX_GRAPH             1227
#define IDC_RX_GRAPH             1226

/* Link Info page (dialog 103); the link display's ids are above */
#define IDC_LINK_STATUS          1006
#define IDC_LINK_SSID            1007
#define IDC_LINK_CHANNEL         1009
#define IDC_LINK_TX_RATE         1012
#define IDC_LINK_SEARCH          1166  /* restarts the profile search */

/* profile editor (dialog 110) */
#define IDC_EDITOR_PROFILE_NAME  1164
#define IDC_EDITOR_SSID          1165
#define IDC_EDITOR_BSS_TYPE      1190
#define IDC_EDITOR_CHANNEL       1166
#define IDC_EDITOR_TX_RATE       1168
#define IDC_EDITOR_PREAMBLE      1169
#define IDC_EDITOR_POWER_MODE    1170
#define IDC_EDITOR_WEP           1171
#define IDC_EDITOR_AUTH_MODE     1172
#define IDC_EDITOR_DEFAULT_KEY1  1173
#define IDC_EDITOR_DEFAULT_KEY2  1174
#define IDC_EDITOR_DEFAULT_KEY3  1175
#define IDC_EDITOR_DEFAULT_KEY4  1176
#define IDC_EDITOR_KEY1          1177
#define IDC_EDITOR_KEY2          1178
#define IDC_EDITOR_KEY3          1179
#define IDC_EDITOR_KEY4          1180
#define IDC_EDITOR_KEY_FORMAT    1181
#define IDC_EDITOR_KEY1_LENGTH   1182
#define IDC_EDITOR_8021X         1183
#define IDC_EDITOR_KEY2_LENGTH   1184
#define IDC_EDITOR_KEY3_LENGTH   1185
#define IDC_EDITOR_KEY4_LENGTH   1186
#define IDC_EDITOR_OK            1189
#define IDC_EDITOR_HEX_REMARK    1197

/* Configuration page (dialog 105) */
#define IDC_CONFIG_SSID          1024
#define IDC_CONFIG_BSS_TYPE      1025
#define IDC_CONFIG_CHANNEL       1026
#define IDC_CONFIG_POWER_MODE    1027  /* hidden */
#define IDC_CONFIG_TX_RATE       1163  /* hidden */
#define IDC_CONFIG_AUTO_SEARCH   1165
#define IDC_CONFIG_PREAMBLE      1169  /* hidden */
#define IDC_CONFIG_APPLY_BUTTON  1031  /* hidden push buttons: same commands as 1133, 1132 */
#define IDC_CONFIG_CANCEL_BUTTON 1032

/* Security page (dialog 107); the WEP controls carry the profile editor's ids */
#define IDC_SECURITY_AUTH_LABEL     1095
#define IDC_SECURITY_DEFAULT_LABEL  1224
#define IDC_SECURITY_LENGTH_LABEL   1087
#define IDC_SECURITY_FORMAT_LABEL   1088
#define IDC_SECURITY_KEY_LABEL      1225
#define IDC_SECURITY_WEP_GROUP      1086  /* hidden from here on */
#define IDC_SECURITY_AUTH_GROUP     1085
#define IDC_SECURITY_8021X_GROUP    1094
#define IDC_SECURITY_LABEL1         1089
#define IDC_SECURITY_LABEL2         1090
#define IDC_SECURITY_LABEL3         1091
#define IDC_SECURITY_LABEL4         1092
#define IDC_SECURITY_LABEL5         1093
#define IDC_SECURITY_LABEL6         1096
#define IDC_SECURITY_ENCRYPTION_LIST 1045
#define IDC_SECURITY_KEY_LIST       1047
#define IDC_SECURITY_APPLY_BUTTON   1051
#define IDC_SECURITY_CANCEL_BUTTON  1032
#define IDC_SECURITY_PROGRESS       1000

/* About page (dialog 104) */
#define IDC_ABOUT_UTILITY_VERSION  1165
#define IDC_ABOUT_DRIVER_VERSION   1061
#define IDC_ABOUT_MAC_ADDRESS      1062
#define IDC_ABOUT_REGION           1129  /* hidden, with its label */
#define IDC_ABOUT_FIRMWARE_VERSION 1164  /* hidden, with its label */
#define IDC_ABOUT_REGION_LABEL     1305
#define IDC_ABOUT_FIRMWARE_LABEL   1306

/* site survey page (dialog 108) */
#define IDC_SURVEY_NETWORK_LIST  1052  /* list view: networks the adapter hears */
#define IDC_SURVEY_PROFILE_LIST  1196  /* list view: the stored profiles */
#define IDC_SURVEY_RESCAN        1134  /* hover button: scan again */
#define IDC_SURVEY_RESCAN_TEXT   1039  /* hidden text button "Re-Scan", same as 1134 */
#define IDC_SURVEY_CONNECT       1185  /* hover button: connect to the selected network */
#define IDC_SURVEY_ADD           1186  /* hover button: add a profile */
#define IDC_SURVEY_REMOVE        1187  /* hover button: remove the selected profile */
#define IDC_SURVEY_PROPERTIES    1188  /* hover button: edit the selected profile */

/* setup wizard: setup page (112) and test page (113) */
#define IDC_WIZARD_SSID          1024
#define IDC_WIZARD_WEP_ON        1213
#define IDC_WIZARD_WEP_OFF       1214
#define IDC_WIZARD_ASCII_KEY     1215
#define IDC_WIZARD_HEX_KEY       1216
#define IDC_WIZARD_KEY_LENGTH    1163  /* drop-down list "64 bits" / "128 bits" */
#define IDC_WIZARD_KEY           1165
#define IDC_WIZARD_KEY_LABEL     1217
#define IDC_WIZARD_LENGTH_LABEL  1218
#define IDC_WIZARD_HEX_REMARK    1197
#define IDC_WIZARD_INTERNET_TEXT 1221
#define IDC_WIZARD_WIRELESS_TEXT 1222

/* ---- tray menu commands ---- */
#define ID_TRAY_SHOW             32771
#define ID_TRAY_HIDE             32772
#define ID_TRAY_EXIT             32773

/* ---- additions beyond the pages' own controls ---- */
#define IDC_LINK_JOURNAL         1400  /* Link Info: recent link events, newest first */
#define IDC_LINK_JOURNAL_LABEL   1401
#define IDC_CONFIG_NOTIFY        1402  /* Configuration: balloons on link changes */
#define IDC_SURVEY_CHANNEL_MAP   1403  /* site survey: networks by channel */
#define IDC_SURVEY_CHANNEL_LABEL 1404
#define IDC_ABOUT_REPORT         1405  /* About: copy the support report */
#define ID_TRAY_STATUS           32780 /* tray menu: the disabled status line */
#define ID_TRAY_PROFILE_FIRST    32800 /* tray menu: Profiles submenu, one id per profile */
#define ID_TRAY_PROFILE_LAST     32999

#endif
