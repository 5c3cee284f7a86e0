#include "mainwindow/bms_main_win.h"
