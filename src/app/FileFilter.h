#pragma once

// File dialog filters. The program's filters are written as "Name|*.EXT|..."
// pairs; Qt wants "Name (*.EXT);;...". Paths here are case-sensitive, so each
// pattern is offered in both cases (*.KWT also finds data.kwt), and "*.*",
// which means every file, becomes "*".

#include <QString>

#include <string_view>

QString qtFileFilter(std::string_view pipeFilter);
