#include "app/About.h"

TAboutBox* AboutBox = nullptr;

const ui::DescFormulaire kFormeAboutBox{
    L"TAboutBox", L"A propos", 301, 385, ui::Bordure::Dialogue, {}, {},
};
