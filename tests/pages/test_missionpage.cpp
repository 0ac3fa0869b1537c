// tests arrive with the pages
