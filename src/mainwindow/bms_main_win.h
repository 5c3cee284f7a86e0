// Main window placeholder
