#include "common/loggedinoperator.h"

LoggedInOperator &loggedInOperator()
{
    static LoggedInOperator op;
    return op;
}
