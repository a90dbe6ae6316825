#pragma once

struct AppContext;

// Marks every photo of the open folder; when all were marked already, takes
// every mark off instead.
void selectAllPhotos(AppContext& program);
