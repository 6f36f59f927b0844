#pragma once
// The model download view now lives in its own library (ui/download).
#include "ui/download/ModelDownloadView.h"
