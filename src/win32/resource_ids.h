#pragma once

// The program's own resources, named the same in the resource script and in the code.
#define IDI_MORVANE 1
#define IDB_BANNER 101
#define IDB_BANNER_2X 102
#define IDC_LINK_HAND 201
