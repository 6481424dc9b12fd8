// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <memory>

// Owns the real implementations.
class RealServices
{
public:
    RealServices();
    ~RealServices();
    const Services& services() const { return m_services; }

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    Services m_services;
};
