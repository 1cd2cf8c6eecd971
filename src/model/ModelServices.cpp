#include "model/ModelServices.h"

#include "platform/COptions.h"

#include <iostream>

static ModelServices BuiltInServices()
{
    ModelServices s;
    s.libraryName = [](int) { return std::string(); };
    s.defaultLibraryHeight = [](int) { return -1; };
    s.warn = [](const std::string& title, const std::string& text) {
        std::cerr << "planzeta: " << title << ": " << text << '\n';
    };
    return s;
}

ModelServices& Services()
{
    static ModelServices services = BuiltInServices();
    return services;
}

void ResetServices()
{
    Services() = BuiltInServices();
}

void ApplyToModel(const COptions& options)
{
    ModelDefaults& defaults = Services().defaults;
    defaults.unit = options.DefaultUnit;
    defaults.lineColour = options.DefLineColor;
    defaults.fillColour = options.DefFillColor;
    defaults.textColour = options.DefTextColor;
}
