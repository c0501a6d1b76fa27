#pragma once

#include "access/ActionAccessUser.h"
#include "qvas_export.h"

// An action access user over a registry of its own.
class QVAS_EXPORT ActionAccessOwner : public ActionAccessUser
{
public:
    ActionAccessOwner();
};
