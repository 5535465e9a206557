#pragma once

namespace scrivix {

// The per-answer object: whether the user has typed over the value that the
// page's rule set calculates for this answer.
struct TAObj
{
    bool OvRide = false;
};

} // namespace scrivix
