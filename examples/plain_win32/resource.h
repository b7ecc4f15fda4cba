// Resource identifiers shared by plain_win32.rc and main.cpp.
#pragma once

#define IDR_MAIN_MENU 100
#define IDR_ACCELERATORS 101
#define IDD_CONTROLS 200

// Menu and tool bar commands.
#define IDM_OPEN 1001
#define IDM_EXIT 1002
#define IDM_CONTROLS 1003
#define IDM_FONT 1004
#define IDM_ABOUT 1005

// Controls of the "Controls" dialog.
#define IDC_NAME 2001
#define IDC_COLOUR 2002
#define IDC_ITEMS 2003
#define IDC_BOLD 2004
#define IDC_ITALIC 2005
#define IDC_SMALL 2006
#define IDC_LARGE 2007
#define IDC_FILES 2008
#define IDC_FOLDERS 2009
#define IDC_PROGRESS 2010
#define IDC_LEVEL 2011
#define IDC_COUNT 2012
#define IDC_COUNT_SPIN 2013
#define IDC_NOTES 2014
#define IDC_PAGES 2015
#define IDC_PROGRESS_LABEL 2016
#define IDC_LEVEL_LABEL 2017
#define IDC_COUNT_LABEL 2018
