#include "db/dberror.h"
