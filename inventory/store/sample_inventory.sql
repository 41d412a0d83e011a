-- Sample inventory: filled in by its own commit.
INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC)
VALUES ('Acetone', 'Acetona', 'Sigma-Aldrich', 'C3H6O', 'Armário 2, prateleira 1', '2 x 1 L', '58.08 g/mol', '-95 °C', '56 °C', '0.791 g/mL at 25 °C', 'Highly flammable liquid and vapour.', 'Colourless liquid; miscible with water.');
