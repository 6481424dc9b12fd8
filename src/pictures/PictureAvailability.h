// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a flash picture can be shown now; the picture store and the flash
// run's view of the library both answer with it.
enum class PictureAvailability {
    Ready,      // the picture is given
    Pending,    // still being prepared: it goes first, and the owner says when it is there
    Unreadable, // the entry has no readable picture: the run passes it over
};
