// The page's markup from the main window's design (page_markup.cpp).
#pragma once

void writePageMarkup();
