// tests arrive with the formats
