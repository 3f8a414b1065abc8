#pragma once

// The row structs of all seventeen tables.
#include "storage/AccountTables.h"
#include "storage/BookTables.h"
#include "storage/ImportTables.h"
#include "storage/PrintTables.h"
