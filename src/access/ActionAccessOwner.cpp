#include "access/ActionAccessOwner.h"

ActionAccessOwner::ActionAccessOwner()
    : ActionAccessUser(new ActionAccess)
{
}
