-- Sample data: literary sources, herbs 30-45, formulas 46-58 and their ingredients,
-- synonyms and personal notes.

-- Literary sources of the formulas
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (1, 'Shang Han Lun', '傷寒論', 'Zhang Zhongjing', 'Han oriental, c. 200-210');
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (2, 'Tai Ping Hui Min He Ji Ju Fang', '太平惠民和劑局方', 'Oficina Imperial de Farmacia (Chen Shiwen y otros)', 'Song, 1107-1110 (revisado en 1151)');
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (3, 'Pi Wei Lun', '脾胃論', 'Li Dongyuan (Li Gao)', 'Jin, 1249');
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (4, 'Nei Wai Shang Bian Huo Lun', '內外傷辨惑論', 'Li Dongyuan (Li Gao)', 'Jin, 1247');
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (5, 'Wen Bing Tiao Bian', '溫病條辨', 'Wu Jutong (Wu Tang)', 'Qing, 1798');
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (6, 'Yi Xue Qi Yuan', '醫學啟源', 'Zhang Yuansu', 'Jin, c. 1186');
INSERT INTO Fuentes (Clave, Titulo, Chino, Autor, Dinastia) VALUES (7, 'Jin Gui Yao Lue', '金匱要略', 'Zhang Zhongjing', 'Han oriental, c. 200-210');

-- Single herbs 30-45
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (30, 0,
 'Herba Schizonepetae', 'Schizonepeta tenuifolia Briq.', 'Esquizonepeta', 'Schizonepeta', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
 'Jing Jie', 'Lamiaceae', 'China central y oriental; cultivada', 'Parte aérea', 'Aerial part',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Hierba picante y ligeramente tibia que entra en los canales del pulm\''f3n y del h\''edgado. \b Libera el exterior\b0  y dispersa el viento, tanto con fr\''edo como con calor.\par Favorece la expresi\''f3n de las erupciones y, carbonizada, detiene las hemorragias.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la sudoraci\''f3n espont\''e1nea por deficiencia del exterior. No conviene en erupciones ya completamente brotadas ni en la cefalea por deficiencia de yin con ascenso del yang del h\''edgado.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Resfriado con escalofr\''edos, fiebre, cefalea y ausencia de sudor; dolor de garganta en el viento-calor (forma parte de \i Yin Qiao San\i0 ).\par Picor cut\''e1neo, urticaria y sarampi\''f3n que no termina de brotar. Carbonizada, en sangrado nasal, heces con sangre y metrorragia.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n.\par A\''f1adir hacia el final de la cocci\''f3n: su aceite esencial es vol\''e1til. Para detener hemorragias se usa carbonizada (Jing Jie Tan).\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Acrid, slightly warm herb entering the lung and liver channels. It \b releases the exterior\b0  and expels wind, whether combined with cold or with heat.\par It vents rashes and, when charred, stops bleeding.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in spontaneous sweating from exterior deficiency. Not suitable once rashes have fully erupted, nor for headache from yin deficiency with rising liver yang.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction.\par Add near the end of cooking, as its essential oil is volatile. Use the charred herb (Jing Jie Tan) to stop bleeding.\par}',
 1, '0', 30, '900009000000', '00905000', '05000', 1, 2);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (31, 0,
 'Herba Lophatheri', 'Lophatherum gracile Brongn.', 'Hoja de lophatherum', 'Lophatherum', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
 'Dan Zhu Ye', 'Poaceae', 'Bosques y laderas sombrías del sur de China', 'Tallo y hoja', 'Stem and leaf',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dulce, ins\''edpida y fr\''eda; entra en el coraz\''f3n, el est\''f3mago y el intestino delgado. \b Elimina el calor\b0  y calma la irritabilidad, y conduce el calor hacia abajo a trav\''e9s de la orina.\par Es una hierba ligera, adecuada para el calor en el nivel del qi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Evitar en la deficiencia con fr\''edo y en la micci\''f3n frecuente y abundante. No emplear durante el embarazo sin supervisi\''f3n profesional.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fiebre con sed e irritabilidad en las enfermedades febriles; llagas en la boca y la lengua por fuego del coraz\''f3n.\par Orina escasa, oscura y dolorosa por calor que pasa al intestino delgado. Forma parte de \i Yin Qiao San\i0 .\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-10 g en decocci\''f3n.\par Se usa seca, cortada en trozos; cocci\''f3n breve.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sweet, bland and cold; enters the heart, stomach and small intestine. It \b clears heat\b0 , eliminates irritability and guides heat downwards through the urine.\par A light herb, suited to heat at the qi level.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Avoid in deficiency with cold and in frequent, copious urination. Do not use during pregnancy without professional supervision.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-10 g in decoction.\par Used dried and cut; brief cooking.\par}',
 1, '0', 31, '009000059000', '00090005', '00090', 4, 5);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (32, 0,
 'Rhizoma Phragmitis', 'Phragmites communis Trin.', 'Rizoma de carrizo', 'Reed rhizome', 'Rhizome de roseau', 'Rizoma di cannuccia di palude', 'Schilfwurzel', 'Rizoma de caniço', 'Rizoma de canyís', 'Rizoma de carrizo', NULL,
 'Lu Gen', 'Poaceae', 'Orillas de ríos, lagos y marismas', 'Rizoma', 'Rhizome',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dulce y fr\''eda; entra en el pulm\''f3n y el est\''f3mago. \b Elimina el calor\b0 , genera l\''edquidos y alivia la sed, sin da\''f1ar el est\''f3mago.\par Tambi\''e9n detiene las n\''e1useas por calor del est\''f3mago y favorece la expulsi\''f3n del pus en el absceso pulmonar.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Evitar en la deficiencia con fr\''edo del bazo y del est\''f3mago. Usar con precauci\''f3n en las heces blandas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fiebre con sed y boca seca en las enfermedades febriles; tos con flema amarilla por calor del pulm\''f3n.\par N\''e1useas, v\''f3mitos o hipo por calor del est\''f3mago. Se a\''f1ade a \i Yin Qiao San\i0  para proteger los l\''edquidos.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 15-30 g del rizoma seco; 30-60 g del fresco.\par El rizoma fresco es m\''e1s eficaz para generar l\''edquidos; tambi\''e9n puede tomarse su jugo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sweet and cold; enters the lung and stomach. It \b clears heat\b0 , generates fluids and relieves thirst without injuring the stomach.\par It also stops nausea from stomach heat and helps to expel pus in lung abscess.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Avoid in cold deficiency of the spleen and stomach. Use with caution when the stools are loose.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 15-30 g of the dried rhizome; 30-60 g of the fresh one.\par The fresh rhizome is better at generating fluids; its juice may also be taken.\par}',
 1, '0', 32, '900000090000', '00090000', '00090', 4, 5);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (33, 0,
 'Radix Aconiti Lateralis Praeparata', 'Aconitum carmichaelii Debeaux', 'Raíz lateral de acónito preparada', 'Prepared aconite root', 'Aconit de Carmichael', 'Aconito cinese', 'Chinesischer Eisenhut', 'Acónito-chinês', 'Acònit xinès', 'Acónito chinés', NULL,
 'Fu Zi', 'Ranunculaceae', 'Montañas de Sichuan; cultivado', 'Raíz lateral preparada', 'Prepared lateral root',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Picante, dulce y muy caliente; entra en el coraz\''f3n, el ri\''f1\''f3n y el bazo. \b Rescata el yang\b0  que se colapsa, tonifica el fuego de la puerta de la vida y dispersa el fr\''edo.\par Es la hierba principal para calentar el interior, pero su ra\''edz cruda es muy t\''f3xica.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 \b T\''f3xica.\b0  Usar solo la ra\''edz preparada y respetar la dosis. Contraindicada en el embarazo y en el calor por deficiencia de yin.\par Incompatible tradicionalmente con Ban Xia, Gua Lou, Bei Mu, Bai Lian y Bai Ji. La intoxicaci\''f3n causa entumecimiento de boca y extremidades, arritmias y colapso.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Colapso del yang con extremidades heladas, sudor fr\''edo y pulso m\''ednimo (\i Si Ni Tang\i0 ).\par Deficiencia del yang del ri\''f1\''f3n y del bazo con fr\''edo, diarrea, edema e impotencia; dolor articular por viento-fr\''edo-humedad.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-15 g de ra\''edz preparada en decocci\''f3n.\par Cocer primero, sola, de 30 a 60 minutos, hasta que la decocci\''f3n no produzca hormigueo en la lengua; despu\''e9s a\''f1adir las dem\''e1s hierbas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Acrid, sweet and very hot; enters the heart, kidney and spleen. It \b rescues devastated yang\b0 , tonifies the fire of the gate of vitality and disperses cold.\par It is the chief herb for warming the interior, but the raw root is highly toxic.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 \b Toxic.\b0  Use only the prepared root and keep to the dosage. Contraindicated in pregnancy and in heat from yin deficiency.\par Traditionally incompatible with Ban Xia, Gua Lou, Bei Mu, Bai Lian and Bai Ji. Poisoning causes numbness of the mouth and limbs, arrhythmia and collapse.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-15 g of the prepared root in decoction.\par Cook it first, alone, for 30 to 60 minutes, until the decoction no longer makes the tongue tingle; then add the other herbs.\par}',
 1, '3', 33, '099900000000', '00950000', '00009', 11, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (34, 0,
 'Rhizoma Zingiberis', 'Zingiber officinale Roscoe', 'Jengibre seco', 'Dried ginger', 'Gingembre séché', 'Zenzero essiccato', 'Getrockneter Ingwer', 'Gengibre seco', 'Gingebre sec', 'Xenxibre seco', NULL,
 'Gan Jiang', 'Zingiberaceae', 'Trópicos de Asia; cultivado en Sichuan', 'Rizoma seco', 'Dried rhizome',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Picante y caliente; entra en el bazo, el est\''f3mago, el coraz\''f3n y el pulm\''f3n. \b Calienta el centro\b0  y dispersa el fr\''edo, restaura el yang y calienta el pulm\''f3n para transformar la flema fluida.\par A diferencia del jengibre fresco, act\''faa en el interior m\''e1s que en el exterior.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en el calor por deficiencia de yin y en las hemorragias por calor en la sangre. Usar con precauci\''f3n en el embarazo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dolor y fr\''edo en el epigastrio, v\''f3mitos y diarrea por fr\''edo del bazo y del est\''f3mago.\par Extremidades fr\''edas y pulso d\''e9bil, junto con Fu Zi (\i Si Ni Tang\i0 ). Tos con esputo claro y abundante por fr\''edo en el pulm\''f3n.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n.\par Tostado hasta carbonizarse (Pao Jiang) calienta los canales y detiene las hemorragias por fr\''edo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Acrid and hot; enters the spleen, stomach, heart and lung. It \b warms the middle\b0  and disperses cold, restores the yang and warms the lung to transform congested fluids.\par Unlike fresh ginger, it acts on the interior rather than on the exterior.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in heat from yin deficiency and in bleeding from heat in the blood. Use with caution in pregnancy.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction.\par Blast-fried until blackened (Pao Jiang) it warms the channels and stops bleeding due to cold.\par}',
 1, '0', 34, '595000090000', '00900000', '00009', 11, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (35, 0,
 'Rhizoma Coptidis', 'Coptis chinensis Franch.', 'Rizoma de coptis', 'Coptis rhizome', NULL, NULL, 'Chinesischer Goldfaden', NULL, NULL, NULL, NULL,
 'Huang Lian', 'Ranunculaceae', 'Bosques montanos húmedos de Sichuan y Hubei', 'Rizoma', 'Rhizome',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Muy amarga y fr\''eda; entra en el coraz\''f3n, el h\''edgado, el est\''f3mago y el intestino grueso. \b Elimina el calor y seca la humedad\b0 , drena el fuego y elimina las toxinas.\par Es sobre todo eficaz para el fuego del coraz\''f3n y la humedad-calor del est\''f3mago y los intestinos.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Muy amarga y fr\''eda: da\''f1a f\''e1cilmente el yang del bazo y los l\''edquidos. Contraindicada en la deficiencia con fr\''edo del bazo y del est\''f3mago y en la deficiencia de yin con calor. No usar de forma prolongada.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Diarrea o disenter\''eda por humedad-calor; v\''f3mitos y regurgitaci\''f3n \''e1cida por calor del est\''f3mago.\par Irritabilidad, insomnio y llagas bucales por fuego del coraz\''f3n; for\''fanculos, ojos rojos y dolor de muelas por calor t\''f3xico.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 2-10 g en decocci\''f3n; 1-1,5 g en polvo.\par Tostada con jengibre es menos fr\''eda y m\''e1s eficaz contra el v\''f3mito; tostada con vino sube a la parte superior del cuerpo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Very bitter and cold; enters the heart, liver, stomach and large intestine. It \b clears heat and dries dampness\b0 , drains fire and resolves toxicity.\par It is particularly effective for heart fire and damp-heat of the stomach and intestines.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Very bitter and cold, it easily injures spleen yang and the fluids. Contraindicated in cold deficiency of the spleen and stomach and in yin deficiency with heat. Do not use for long periods.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 2-10 g in decoction; 1-1.5 g as powder.\par Fried with ginger juice it is less cold and better for vomiting; fried with wine it rises to the upper body.\par}',
 1, '0', 35, '009005990000', '09000000', '00090', 4, 6);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (36, 0,
 'Radix et Rhizoma Rhei', 'Rheum palmatum L.', 'Ruibarbo chino', 'Chinese rhubarb', 'Rhubarbe de Chine', 'Rabarbaro cinese', 'Chinesischer Rhabarber', 'Ruibarbo-chinês', 'Ruibarbre xinès', 'Ruibarbo chinés', NULL,
 'Da Huang', 'Polygonaceae', 'Montañas del oeste de China (Gansu, Qinghai)', 'Raíz y rizoma', 'Root and rhizome',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Amargo y fr\''edo; entra en el bazo, el est\''f3mago, el intestino grueso, el h\''edgado y el pericardio. \b Purga la acumulaci\''f3n\b0  y el calor del intestino, drena el fuego y elimina las toxinas.\par Adem\''e1s enfr\''eda la sangre y vigoriza la sangre para disolver la estasis.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en el embarazo, la lactancia y la menstruaci\''f3n. No usar en la deficiencia de qi o de sangre sin acumulaci\''f3n, ni en el estre\''f1imiento por sequedad de los ancianos. Su uso prolongado debilita el bazo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Estre\''f1imiento con acumulaci\''f3n de calor, plenitud y dolor abdominal y fiebre alta (\i Xiao Cheng Qi Tang\i0 ).\par Ojos rojos, dolor de garganta y enc\''edas inflamadas por fuego ascendente; hemorragias por calor; amenorrea y traumatismos por estasis de sangre.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-15 g en decocci\''f3n.\par Para purgar se a\''f1ade al final, en los \''faltimos 5 minutos, o se toma en infusi\''f3n; cocido largo purga menos. Tratado con vino vigoriza la sangre; carbonizado detiene hemorragias.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bitter and cold; enters the spleen, stomach, large intestine, liver and pericardium. It \b purges accumulation\b0  and heat from the intestines, drains fire and resolves toxicity.\par It also cools the blood and invigorates the blood to dispel stasis.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in pregnancy, during breast-feeding and during menstruation. Not for qi or blood deficiency without accumulation, nor for dry constipation of the elderly. Prolonged use weakens the spleen.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-15 g in decoction.\par To purge, add it during the last 5 minutes or steep it; long cooking weakens the purgative action. Wine-treated it invigorates the blood; charred it stops bleeding.\par}',
 1, '1', 36, '050059990000', '09000000', '00090', 9, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (37, 0,
 'Fructus Aurantii Immaturus', 'Citrus aurantium L.', 'Naranja amarga inmadura', 'Immature bitter orange', 'Bigarade immature', 'Arancia amara immatura', 'Unreife Bitterorange', 'Laranja-amarga imatura', 'Taronja amarga immadura', 'Laranxa amarga inmatura', NULL,
 'Zhi Shi', 'Rutaceae', 'Sur y centro de China; cultivado', 'Fruto inmaduro', 'Immature fruit',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Amargo, picante, ligeramente \''e1cido y ligeramente fr\''edo; entra en el bazo, el est\''f3mago y el intestino grueso. \b Rompe el estancamiento del qi\b0 , reduce las acumulaciones y transforma la flema.\par Su acci\''f3n es m\''e1s fuerte y descendente que la del fruto maduro (Zhi Ke).\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en el embarazo y en la deficiencia del bazo y del est\''f3mago sin estancamiento. Su acci\''f3n dispersante puede agotar el qi si se usa en exceso.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Plenitud y distensi\''f3n abdominal, estre\''f1imiento o disenter\''eda con tenesmo por alimento retenido o calor acumulado (\i Xiao Cheng Qi Tang\i0 ).\par Opresi\''f3n tor\''e1cica por flema turbia; prolapsos de \''f3rganos, junto con t\''f3nicos del qi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n; hasta 30 g en prolapsos.\par Tostado con salvado su acci\''f3n es m\''e1s suave.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bitter, acrid, slightly sour and slightly cold; enters the spleen, stomach and large intestine. It \b breaks up stagnant qi\b0 , reduces accumulations and transforms phlegm.\par Its action is stronger and more descending than that of the ripe fruit (Zhi Ke).\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in pregnancy and in spleen and stomach deficiency without stagnation. Its dispersing action can deplete the qi when overused.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction; up to 30 g for prolapse.\par Dry-fried with bran its action is milder.\par}',
 1, '0', 37, '090000590000', '59500000', '00050', 12, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (38, 0,
 'Cortex Magnoliae Officinalis', 'Magnolia officinalis Rehder & E.H.Wilson', 'Corteza de magnolia', 'Magnolia bark', 'Écorce de magnolia', 'Corteccia di magnolia', 'Magnolienrinde', 'Casca de magnólia', 'Escorça de magnòlia', 'Cortiza de magnolia', NULL,
 'Hou Po', 'Magnoliaceae', 'Bosques de Sichuan, Hubei y Zhejiang', 'Corteza', 'Bark',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Amarga, picante, arom\''e1tica y tibia; entra en el bazo, el est\''f3mago, el pulm\''f3n y el intestino grueso. \b Mueve el qi\b0 , seca la humedad y elimina la plenitud; hace descender el qi rebelde del pulm\''f3n.\par Es el remedio cl\''e1sico de la distensi\''f3n abdominal.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en el embarazo. Evitar en la deficiencia de qi sin estancamiento y en la deficiencia de yin con sequedad.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Distensi\''f3n y plenitud abdominal, estre\''f1imiento o v\''f3mitos por estancamiento de qi, humedad o alimento (\i Xiao Cheng Qi Tang\i0 ).\par Tos y disnea con flema abundante y opresi\''f3n tor\''e1cica.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n.\par Se usa generalmente tratada con jugo de jengibre, que refuerza su acci\''f3n sobre el est\''f3mago.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bitter, acrid, aromatic and warm; enters the spleen, stomach, lung and large intestine. It \b moves the qi\b0 , dries dampness and reduces fullness; it also directs rebellious lung qi downwards.\par It is the classic remedy for abdominal distension.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in pregnancy. Avoid in qi deficiency without stagnation and in yin deficiency with dryness.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction.\par Usually processed with ginger juice, which strengthens its action on the stomach.\par}',
 1, '0', 38, '590000590000', '09950000', '09000', 12, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (39, 0,
 'Semen Ziziphi Spinosae', 'Ziziphus jujuba var. spinosa (Bunge) Hu', 'Semilla de azufaifo silvestre', 'Sour jujube seed', 'Graine de jujubier sauvage', 'Semi di giuggiolo selvatico', 'Samen der Wilden Jujube', NULL, 'Llavor de ginjoler silvestre', NULL, NULL,
 'Suan Zao Ren', 'Rhamnaceae', 'Laderas secas del norte de China', 'Semilla', 'Seed',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dulce, \''e1cida y neutra; entra en el coraz\''f3n, el h\''edgado y la ves\''edcula biliar. \b Nutre el coraz\''f3n\b0  y la sangre del h\''edgado y \b calma el esp\''edritu\b0 .\par Al ser \''e1cida y astringente, tambi\''e9n detiene la sudoraci\''f3n excesiva.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la diarrea intensa y cuando hay calor real o flema-calor que agita el esp\''edritu.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Insomnio, sue\''f1o agitado, palpitaciones y ansiedad por deficiencia de sangre del coraz\''f3n y del h\''edgado.\par Sudoraci\''f3n espont\''e1nea y nocturna por debilidad.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 10-15 g en decocci\''f3n; 1,5-3 g en polvo antes de dormir.\par Machacar antes de cocer. Ligeramente tostada es la forma m\''e1s usada.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sweet, sour and neutral; enters the heart, liver and gallbladder. It \b nourishes the heart\b0  and liver blood and \b calms the spirit\b0 .\par Being sour and astringent, it also stops excessive sweating.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in severe diarrhea and when excess heat or phlegm-heat disturbs the spirit.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 10-15 g in decoction; 1.5-3 g as powder at bedtime.\par Crush before cooking. The lightly dry-fried seed is the most used form.\par}',
 1, '0', 39, '059009000005', '90090000', '90000', 14, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (40, 0,
 'Fructus Schisandrae Chinensis', 'Schisandra chinensis (Turcz.) Baill.', 'Fruto de esquisandra', 'Schisandra berry', 'Baie de schisandra', 'Bacca di schisandra', 'Chinesisches Spaltkörbchen', 'Baga de esquisandra', NULL, NULL, NULL,
 'Wu Wei Zi', 'Schisandraceae', 'Bosques del nordeste de China y de Corea', 'Fruto', 'Fruit',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 \''c1cido, dulce y tibio; se dice que posee los cinco sabores. Entra en el pulm\''f3n, el coraz\''f3n y el ri\''f1\''f3n. \b Astringe\b0  el qi del pulm\''f3n, detiene el sudor y la diarrea, sujeta la esencia y genera l\''edquidos.\par Tambi\''e9n calma el esp\''edritu.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado cuando persiste un pat\''f3geno exterior, en la tos con calor interno y en las primeras fases del sarampi\''f3n. Su astringencia puede retener el pat\''f3geno.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tos y disnea cr\''f3nicas por deficiencia del pulm\''f3n y del ri\''f1\''f3n; sudoraci\''f3n espont\''e1nea o nocturna; sed por agotamiento de los l\''edquidos (\i Sheng Mai San\i0 ).\par Diarrea cr\''f3nica al amanecer, espermatorrea; insomnio y palpitaciones.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 2-6 g en decocci\''f3n; 1-3 g en polvo.\par Machacar antes de cocer. Tratado al vapor con vinagre se refuerza su acci\''f3n astringente.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sour, sweet and warm; it is said to contain the five flavours. Enters the lung, heart and kidney. It \b restrains\b0  the lung qi, stops sweating and diarrhea, secures the essence and generates fluids.\par It also calms the spirit.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated while an exterior pathogen persists, in cough with interior heat and in the early stage of measles. Its astringency may trap the pathogen.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 2-6 g in decoction; 1-3 g as powder.\par Crush before cooking. Steaming with vinegar strengthens its astringent action.\par}',
 1, '0', 40, '909900000000', '90050500', '09000', 20, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (41, 0,
 'Radix Ophiopogonis', 'Ophiopogon japonicus (L.f.) Ker Gawl.', 'Raíz de ofiopogon', 'Ophiopogon tuber', 'Ophiopogon du Japon', NULL, 'Japanischer Schlangenbart', 'Grama-preta', NULL, NULL, NULL,
 'Mai Men Dong', 'Asparagaceae', 'Sotobosque húmedo; cultivado en Sichuan', 'Raíz tuberosa', 'Tuberous root',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dulce, ligeramente amarga y ligeramente fr\''eda; entra en el coraz\''f3n, el pulm\''f3n y el est\''f3mago. \b Nutre el yin\b0  del pulm\''f3n y del est\''f3mago, humedece la sequedad y genera l\''edquidos.\par Tambi\''e9n elimina el calor del coraz\''f3n y calma la irritabilidad.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicada en la deficiencia con fr\''edo del bazo y del est\''f3mago con diarrea, y en la tos por viento-fr\''edo o por flema-humedad.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tos seca, esputo escaso y pegajoso y garganta seca por sequedad del pulm\''f3n; sed y boca seca por deficiencia del yin del est\''f3mago.\par Irritabilidad e insomnio por calor en el coraz\''f3n; agotamiento del qi y del yin con sudor y sed (\i Sheng Mai San\i0 ).\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-15 g en decocci\''f3n.\par Se emplea la ra\''edz tuberosa seca, entera o aplastada.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sweet, slightly bitter and slightly cold; enters the heart, lung and stomach. It \b nourishes the yin\b0  of the lung and stomach, moistens dryness and generates fluids.\par It also clears heat from the heart and eliminates irritability.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in cold deficiency of the spleen and stomach with diarrhea, and in cough from wind-cold or phlegm-damp.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-15 g in decoction.\par The dried tuberous root is used whole or flattened.\par}',
 1, '0', 41, '909000090000', '05090000', '00050', 15, 18);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (42, 0,
 'Flos Chrysanthemi', 'Chrysanthemum morifolium Ramat.', 'Flor de crisantemo', 'Chrysanthemum flower', 'Fleur de chrysanthème', 'Fiore di crisantemo', 'Chrysanthemenblüte', 'Flor de crisântemo', 'Flor de crisantem', 'Flor de crisantemo', NULL,
 'Ju Hua', 'Asteraceae', 'Cultivado en Zhejiang, Anhui y Henan', 'Flor', 'Flower',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Picante, dulce, amargo y ligeramente fr\''edo; entra en el pulm\''f3n y el h\''edgado. \b Dispersa el viento-calor\b0 , calma el h\''edgado, aclara la vista y elimina las toxinas.\par La variedad blanca se prefiere para el h\''edgado y la amarilla para el viento-calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la deficiencia con fr\''edo del est\''f3mago y en la diarrea. No indicado en el resfriado por viento-fr\''edo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Resfriado por viento-calor con fiebre, cefalea y ojos rojos.\par Ojos rojos, dolorosos o secos, visi\''f3n borrosa y mareo por calor o ascenso del yang del h\''edgado; for\''fanculos e inflamaciones por calor t\''f3xico.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 5-10 g en decocci\''f3n o en infusi\''f3n.\par Para la vista suele tomarse en infusi\''f3n, sola o con Gou Qi Zi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Acrid, sweet, bitter and slightly cold; enters the lung and liver. It \b disperses wind-heat\b0 , calms the liver, brightens the eyes and resolves toxicity.\par The white variety is preferred for the liver, the yellow one for wind-heat.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in cold deficiency of the stomach and in diarrhea. Not indicated for wind-cold colds.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 5-10 g in decoction or as an infusion.\par For the eyes it is often taken as an infusion, alone or with Gou Qi Zi.\par}',
 1, '0', 42, '900009000000', '05595000', '00050', 1, 3);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (43, 0,
 'Gypsum Fibrosum', 'Gypsum fibrosum (CaSO4·2H2O)', 'Yeso fibroso', 'Gypsum', 'Gypse', 'Gesso', 'Gips', 'Gipsita', 'Guix', 'Xeso', 'Igeltsua',
 'Shi Gao', 'Sulfatos', 'Yacimientos sedimentarios (Hubei, Anhui)', 'Mineral', 'Mineral',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Mineral picante, dulce y muy fr\''edo; entra en el pulm\''f3n y el est\''f3mago. \b Elimina el calor y drena el fuego\b0 , alivia la irritabilidad y la sed.\par Es la sustancia principal para el calor intenso en el nivel del qi. Calcinado y aplicado por fuera, favorece la cicatrizaci\''f3n.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia con fr\''edo del bazo y del est\''f3mago y en la fiebre por deficiencia de yin. Suspender en cuanto cede el calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fiebre alta, sudor abundante, sed intensa y pulso grande en el calor del nivel del qi (junto con Zhi Mu).\par Tos y disnea por calor en el pulm\''f3n; cefalea, dolor de muelas y enc\''edas inflamadas por fuego del est\''f3mago.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 15-60 g en decocci\''f3n.\par Triturar y cocer primero, de 20 a 30 minutos. El yeso calcinado se usa solo externamente, en polvo, sobre \''falceras y eccemas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Acrid, sweet and very cold mineral; enters the lung and stomach. It \b clears heat and drains fire\b0 , relieving irritability and thirst.\par It is the main substance for intense heat at the qi level. Calcined and applied externally, it promotes healing.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in cold deficiency of the spleen and stomach and in fever from yin deficiency. Stop as soon as the heat subsides.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 15-60 g in decoction.\par Crush and cook first, for 20 to 30 minutes. Calcined gypsum is used only externally, as a powder, on ulcers and eczema.\par}',
 2, '0', 43, '900000090000', '00990000', '00090', 4, 5);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (44, 0,
 'Rhizoma Anemarrhenae', 'Anemarrhena asphodeloides Bunge', 'Rizoma de anemarrhena', 'Anemarrhena rhizome', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
 'Zhi Mu', 'Asparagaceae', 'Laderas secas y soleadas del norte de China', 'Rizoma', 'Rhizome',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Amargo, dulce y fr\''edo; entra en el pulm\''f3n, el est\''f3mago y el ri\''f1\''f3n. \b Elimina el calor y drena el fuego\b0  y, a la vez, nutre el yin y humedece la sequedad.\par Act\''faa tanto sobre el calor por exceso como sobre el calor por deficiencia.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia del bazo con heces blandas o diarrea. Usar con precauci\''f3n cuando no hay calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fiebre alta, irritabilidad y sed en el calor del nivel del qi, junto con Shi Gao.\par Tos seca por calor y sequedad del pulm\''f3n; fiebre vespertina, sudores nocturnos y calor en los huesos por deficiencia de yin; sed por consunci\''f3n.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n.\par Tratado con sal dirige su acci\''f3n al ri\''f1\''f3n y se usa para el calor por deficiencia de yin.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bitter, sweet and cold; enters the lung, stomach and kidney. It \b clears heat and drains fire\b0  while nourishing the yin and moistening dryness.\par It acts on both excess heat and deficiency heat.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in spleen deficiency with loose stools or diarrhea. Use with caution when there is no heat.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction.\par Processed with salt it directs its action to the kidney and is used for heat from yin deficiency.\par}',
 1, '0', 44, '900900090000', '09050000', '00090', 4, 5);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10, PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase) VALUES (45, 0,
 'Fructus Mume', 'Prunus mume (Siebold) Siebold & Zucc.', 'Ciruela mume ahumada', 'Mume fruit', 'Abricot du Japon', 'Albicocca giapponese', 'Japanische Aprikose', 'Damasco-japonês', NULL, NULL, NULL,
 'Wu Mei', 'Rosaceae', 'Cultivado en el sur de China y en Japón', 'Fruto ahumado', 'Smoked fruit',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 \''c1cido, astringente y neutro; entra en el h\''edgado, el bazo, el pulm\''f3n y el intestino grueso. \b Astringe\b0  el pulm\''f3n y los intestinos, genera l\''edquidos y calma los par\''e1sitos intestinales.\par Es el fruto inmaduro secado a fuego lento hasta ennegrecer.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado cuando persiste un pat\''f3geno exterior o hay estancamiento por calor interno, y en la disenter\''eda aguda por humedad-calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tos cr\''f3nica por deficiencia del pulm\''f3n; diarrea y disenter\''eda cr\''f3nicas.\par Sed por calor de deficiencia y consunci\''f3n; dolor abdominal y v\''f3mitos por \''e1scaris. En \i Er Chen Tang\i0  evita que las hierbas secantes da\''f1en el yin.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n; hasta 30 g en el tratamiento de los par\''e1sitos.\par Carbonizado detiene las hemorragias.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sour, astringent and neutral; enters the liver, spleen, lung and large intestine. It \b restrains\b0  the lung and the intestines, generates fluids and calms intestinal worms.\par It is the unripe fruit, dried over a low fire until black.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated while an exterior pathogen persists or when interior heat is stagnant, and in acute damp-heat dysentery.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction; up to 30 g against worms.\par Charred it stops bleeding.\par}',
 1, '0', 45, '950009900000', '90000900', '90000', 20, NULL);

-- Formulas 46-58
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (46, 1,
 'Decoctum Ramuli Cinnamomi', 'Decocción de ramita de canela', 'Cinnamon Twig Decoction', 'Gui Zhi Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Gui Zhi, Bai Shao, Sheng Jiang, Da Zao y Gan Cao. \b Libera el exterior\b0  y la capa muscular y \b armoniza el qi nutritivo y el defensivo\b0 .\par Gui Zhi dispersa y Bai Shao retiene: su combinaci\''f3n expulsa el viento sin agotar el sudor. Es la primera f\''f3rmula del Shang Han Lun.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 No usar en el viento-fr\''edo sin sudor con pulso tenso (usar Ma Huang Tang), ni en el calor exterior con sed y pulso r\''e1pido. Evitar alimentos crudos, fr\''edos, grasos y el alcohol durante el tratamiento.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-fr\''edo con deficiencia del exterior: fiebre y aversi\''f3n al viento que no ceden con el sudor, sudoraci\''f3n leve, cefalea, congesti\''f3n nasal, n\''e1useas; lengua con saburra blanca fina y pulso flotante y d\''e9bil.\par Tambi\''e9n en la desarmon\''eda entre qi nutritivo y defensivo tras el parto o en convalecencias.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n. Tomar caliente y, a continuaci\''f3n, una sopa de arroz caliente y abrigarse hasta lograr un sudor suave y generalizado.\par Si aparece el sudor, no tomar el resto de la dosis.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Gui Zhi, Bai Shao, Sheng Jiang, Da Zao and Gan Cao. It \b releases the exterior\b0  and the muscle layer and \b harmonizes the nutritive and protective qi\b0 .\par Gui Zhi disperses while Bai Shao retains, so that wind is expelled without exhausting the sweat. It is the first formula of the Shang Han Lun.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Not for wind-cold without sweating and with a tight pulse (use Ma Huang Tang), nor for exterior heat with thirst and a rapid pulse. Avoid raw, cold and greasy food and alcohol during treatment.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction. Take it warm, followed by hot rice porridge, and keep covered until a light sweat appears all over the body.\par Once sweating appears, do not take the rest of the dose.\par}',
 5, '0', 46, '95500005090000', '5099000000', '0900000000', 22, NULL, 1);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (47, 1,
 'Decoctum Ephedrae', 'Decocción de efedra', 'Ephedra Decoction', 'Ma Huang Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ma Huang, Gui Zhi, Xing Ren y Gan Cao. \b Induce la sudoraci\''f3n\b0  para liberar el exterior y \b dispersa el qi del pulm\''f3n\b0  para calmar la disnea.\par Es la f\''f3rmula sudor\''edfica m\''e1s fuerte del Shang Han Lun.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicada en la sudoraci\''f3n espont\''e1nea, en la deficiencia de qi, sangre o yin, y en las hemorragias. No prolongar: suspender al aparecer el sudor. Precauci\''f3n en la hipertensi\''f3n y las enfermedades card\''edacas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-fr\''edo con exceso en el exterior: escalofr\''edos intensos, fiebre, ausencia de sudor, cefalea, dolores generalizados y disnea; saburra blanca fina y pulso flotante y tenso.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n. Cocer primero Ma Huang y retirar la espuma; a\''f1adir luego las dem\''e1s hierbas.\par Tomar caliente y abrigarse hasta sudar ligeramente, sin sopa de arroz.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ma Huang, Gui Zhi, Xing Ren and Gan Cao. It \b induces sweating\b0  to release the exterior and \b disseminates the lung qi\b0  to calm wheezing.\par It is the strongest diaphoretic formula of the Shang Han Lun.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in spontaneous sweating, in qi, blood or yin deficiency and in bleeding. Do not prolong: stop once sweating appears. Caution in hypertension and heart disease.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction. Cook Ma Huang first and skim off the foam; then add the other herbs.\par Take warm and keep covered until a light sweat appears; no rice porridge is needed.\par}',
 5, '0', 47, '90500050090000', '0595000000', '0900000000', 22, NULL, 1);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (48, 1,
 'Decoctum Quattuor Nobilium', 'Decocción de los cuatro caballeros', 'Four Gentlemen Decoction', 'Si Jun Zi Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ren Shen, Bai Zhu, Fu Ling y Gan Cao, en partes iguales. \b Tonifica el qi\b0  y fortalece el bazo.\par Es la f\''f3rmula b\''e1sica para la deficiencia de qi del bazo y del est\''f3mago, de la que derivan muchas otras.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 No indicada en la fiebre alta, en el calor por deficiencia de yin ni cuando hay estancamiento de qi o alimento sin deficiencia. El uso prolongado sin hierbas que muevan el qi puede causar plenitud.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia de qi del bazo y del est\''f3mago: cansancio, voz d\''e9bil, poco apetito, heces blandas y tez p\''e1lida; lengua p\''e1lida y pulso d\''e9bil.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n o polvo grueso: cocer unos 6-8 g del polvo por toma en agua y tomar caliente, en cualquier momento del d\''eda.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ren Shen, Bai Zhu, Fu Ling and Gan Cao in equal parts. It \b tonifies the qi\b0  and strengthens the spleen.\par It is the basic formula for spleen and stomach qi deficiency, from which many others derive.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Not indicated for high fever, heat from yin deficiency, or qi or food stagnation without deficiency. Long use without qi-moving herbs may cause fullness.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction or coarse powder: boil about 6-8 g of the powder per dose in water and take warm, at any time of day.\par}',
 5, '0', 48, '59500009000000', '0009000500', '5500000000', 23, 24, 2);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (49, 1,
 'Decoctum Quattuor Rerum', 'Decocción de las cuatro sustancias', 'Four-Substance Decoction', 'Si Wu Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Shu Di Huang, Dang Gui, Bai Shao y Chuan Xiong, en partes iguales. \b Tonifica la sangre\b0  y regula el h\''edgado, y a la vez mueve la sangre.\par Es la f\''f3rmula b\''e1sica de la sangre y de la ginecolog\''eda.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la deficiencia del bazo con heces blandas y poco apetito. No indicada en la hemorragia aguda abundante ni en la deficiencia de yin con calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia y estancamiento de la sangre: mareo, visi\''f3n borrosa, tez y u\''f1as p\''e1lidas, palpitaciones; menstruaci\''f3n escasa, irregular o dolorosa, amenorrea; lengua p\''e1lida y pulso fino.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n o polvo grueso: cocer unos 10 g del polvo por toma y tomar caliente antes de las comidas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Shu Di Huang, Dang Gui, Bai Shao and Chuan Xiong in equal parts. It \b tonifies the blood\b0  and regulates the liver while moving the blood.\par It is the basic formula for the blood and for gynaecology.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in spleen deficiency with loose stools and poor appetite. Not indicated for acute heavy bleeding nor for yin deficiency with heat.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction or coarse powder: boil about 10 g of the powder per dose and take warm before meals.\par}',
 5, '0', 49, '05950900000000', '5059000000', '0900000000', 23, 25, 2);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (50, 1,
 'Decoctum Bupleuri Minus', 'Decocción menor de bupleurum', 'Minor Bupleurum Decoction', 'Xiao Chai Hu Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Chai Hu, Huang Qin, Ren Shen, Ban Xia, Gan Cao, Sheng Jiang y Da Zao. \b Armoniza el shaoyang\b0 : Chai Hu libera el exterior del nivel intermedio y Huang Qin elimina el calor interior.\par Ren Shen, Gan Cao y Da Zao sostienen el qi correcto; Ban Xia y Sheng Jiang hacen descender el qi rebelde del est\''f3mago.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 No indicada cuando el pat\''f3geno est\''e1 solo en el exterior o ya ha penetrado en el interior. Usar con precauci\''f3n en la deficiencia de yin con calor y en la hipertensi\''f3n con ascenso del yang del h\''edgado.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 S\''edndrome shaoyang: escalofr\''edos y fiebre alternantes, plenitud en t\''f3rax e hipocondrios, boca amarga, garganta seca, mareo, falta de apetito, irritabilidad y n\''e1useas; pulso en cuerda.\par Tambi\''e9n en fiebres tras el parto y en la malaria con este cuadro.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n. Seg\''fan el Shang Han Lun, cocer, colar y volver a reducir el l\''edquido colado; tomar caliente en tres tomas al d\''eda.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Chai Hu, Huang Qin, Ren Shen, Ban Xia, Gan Cao, Sheng Jiang and Da Zao. It \b harmonizes the lesser yang\b0 : Chai Hu releases the half-exterior and Huang Qin clears interior heat.\par Ren Shen, Gan Cao and Da Zao support the upright qi; Ban Xia and Sheng Jiang direct rebellious stomach qi downwards.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Not indicated when the pathogen lies only in the exterior or has fully entered the interior. Use with caution in yin deficiency with heat and in hypertension from rising liver yang.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction. As the Shang Han Lun directs, boil, strain and reduce the strained liquid again; take warm in three doses a day.\par}',
 5, '0', 50, '55000905005900', '0995000000', '9050000000', 27, NULL, 1);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (51, 1,
 'Pilulae Rehmanniae Sex Ingredientium', 'Píldora de rehmannia de seis ingredientes', 'Six-Ingredient Pill with Rehmannia', 'Liu Wei Di Huang Wan',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Shu Di Huang, Shan Zhu Yu, Shan Yao, Ze Xie, Mu Dan Pi y Fu Ling. \b Nutre el yin del ri\''f1\''f3n\b0  y del h\''edgado.\par Tres hierbas tonifican (ri\''f1\''f3n, h\''edgado y bazo) y tres drenan, de modo que la f\''f3rmula nutre sin estancar. Procede del Xiao Er Yao Zheng Zhi Jue de Qian Yi (1119), que la deriv\''f3 de una p\''edldora del Jin Gui Yao Lue.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la deficiencia del bazo con poco apetito y heces blandas, pues es empalagosa. No indicada en la deficiencia de yang sin deficiencia de yin.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia del yin del ri\''f1\''f3n y del h\''edgado: dolor y debilidad lumbar y de rodillas, mareo, ac\''fafenos, sordera, sudores nocturnos, espermatorrea, calor en palmas y plantas, sed; lengua roja con poca saburra y pulso fino y r\''e1pido.\par En ni\''f1os, retraso del cierre de las fontanelas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 P\''edldoras de miel: 6-9 g dos o tres veces al d\''eda con agua tibia o ligeramente salada. Tambi\''e9n puede prepararse en decocci\''f3n con las dosis reducidas en la misma proporci\''f3n.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Shu Di Huang, Shan Zhu Yu, Shan Yao, Ze Xie, Mu Dan Pi and Fu Ling. It \b nourishes kidney\b0  and liver \b yin\b0 .\par Three herbs tonify (kidney, liver and spleen) and three drain, so that the formula nourishes without causing stagnation. It comes from Qian Yi, Xiao Er Yao Zheng Zhi Jue (1119), who derived it from a pill of the Jin Gui Yao Lue.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in spleen deficiency with poor appetite and loose stools, as it is cloying. Not indicated for yang deficiency without yin deficiency.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Honey pills: 6-9 g two or three times a day with warm or slightly salted water. It may also be prepared as a decoction with the doses reduced in the same proportion.\par}',
 5, '0', 51, '05090900050000', '5009000500', '9000000000', 23, 26, NULL);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (52, 1,
 'Decoctum Tonificans Medium et Augens Qi', 'Decocción que tonifica el centro y aumenta el qi', 'Tonify the Middle and Augment the Qi Decoction', 'Bu Zhong Yi Qi Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Huang Qi, Ren Shen, Bai Zhu, Gan Cao, Dang Gui, Chen Pi, Sheng Ma y Chai Hu. \b Tonifica el qi del centro\b0  y \b eleva el yang hundido\b0 .\par Sheng Ma y Chai Hu, en dosis peque\''f1as, hacen subir el yang claro; Chen Pi evita que los t\''f3nicos estanquen el qi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicada en la deficiencia de yin con calor, en el fuego por exceso y en el ascenso del yang del h\''edgado. Usar con precauci\''f3n en la hipertensi\''f3n.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia del qi del bazo y del est\''f3mago: cansancio, poco apetito, heces blandas, voz d\''e9bil, sudor espont\''e1neo.\par Hundimiento del qi con prolapso rectal o uterino, diarrea cr\''f3nica o metrorragia; fiebre por deficiencia de qi que empeora con el esfuerzo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n. Tomar caliente, lejos de las comidas. Tambi\''e9n se comercializa en p\''edldoras concentradas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Huang Qi, Ren Shen, Bai Zhu, Gan Cao, Dang Gui, Chen Pi, Sheng Ma and Chai Hu. It \b tonifies the middle qi\b0  and \b raises sunken yang\b0 .\par Sheng Ma and Chai Hu, in small doses, lift the clear yang; Chen Pi keeps the tonics from stagnating the qi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in yin deficiency with heat, in excess fire and in rising liver yang. Use with caution in hypertension.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction. Take warm, away from meals. Also available as concentrated pills.\par}',
 5, '0', 52, '99000509000000', '0059000000', '0900000000', 23, 24, 4);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (53, 1,
 'Decoctum Duorum Veterum', 'Decocción de los dos añejos', 'Two Aged Ingredients Decoction', 'Er Chen Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ban Xia, Chen Pi, Fu Ling y Gan Cao, cocidos con Sheng Jiang y Wu Mei. \b Seca la humedad\b0 , \b transforma la flema\b0 , regula el qi y armoniza el centro.\par Su nombre alude a Ban Xia y Chen Pi, que son mejores cuanto m\''e1s a\''f1ejos.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 F\''f3rmula secante: no usar en la tos seca por deficiencia de yin ni en la flema con sangre. Usar con precauci\''f3n en la flema-calor sin modificarla.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Flema-humedad: tos con esputo blanco y abundante que se expectora con facilidad, opresi\''f3n tor\''e1cica, n\''e1useas y v\''f3mitos, mareo, palpitaciones; saburra blanca y grasa, pulso resbaladizo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Polvo grueso o decocci\''f3n: cocer la dosis con 7 rodajas de jengibre fresco y una ciruela Wu Mei, y tomar caliente.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ban Xia, Chen Pi, Fu Ling and Gan Cao, cooked with Sheng Jiang and Wu Mei. It \b dries dampness\b0 , \b transforms phlegm\b0 , regulates the qi and harmonizes the middle.\par Its name refers to Ban Xia and Chen Pi, which improve with age.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 A drying formula: not for dry cough from yin deficiency nor for blood-streaked phlegm. Use with caution, modified, in phlegm-heat.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Coarse powder or decoction: cook each dose with 7 slices of fresh ginger and one Wu Mei plum, and take warm.\par}',
 5, '0', 53, '99000009000000', '0595000000', '0900000000', 28, NULL, 2);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (54, 1,
 'Pulvis Liberi et Securi', 'Polvo del paseante libre y tranquilo', 'Rambling Powder', 'Xiao Yao San',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Chai Hu, Dang Gui, Bai Shao, Bai Zhu, Fu Ling y Gan Cao, con un poco de Sheng Jiang y Bo He. \b Alivia el estancamiento del qi del h\''edgado\b0 , nutre la sangre y fortalece el bazo.\par Trata a la vez el h\''edgado y el bazo, la sangre y el qi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la deficiencia de yin del h\''edgado con calor y en el ascenso del yang del h\''edgado. Si el estancamiento ha generado calor, usar la variante con Mu Dan Pi y Zhi Zi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Estancamiento del qi del h\''edgado con deficiencia de sangre y del bazo: dolor en los hipocondrios, cefalea, mareo, boca y garganta secas, cansancio, poco apetito.\par Menstruaci\''f3n irregular, tensi\''f3n mamaria y s\''edndrome premenstrual; pulso en cuerda y vac\''edo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Polvo: cocer unos 6 g por toma con un trozo de jengibre asado y unas hojas de menta, y tomar caliente. Tambi\''e9n en decocci\''f3n o en p\''edldoras.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Chai Hu, Dang Gui, Bai Shao, Bai Zhu, Fu Ling and Gan Cao, with a little Sheng Jiang and Bo He. It \b relieves liver qi stagnation\b0 , nourishes the blood and strengthens the spleen.\par It treats the liver and the spleen, the blood and the qi at the same time.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with caution in liver yin deficiency with heat and in rising liver yang. If the stagnation has produced heat, use the variant with Mu Dan Pi and Zhi Zi.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Powder: boil about 6 g per dose with a piece of roasted ginger and a few mint leaves, and take warm. Also used as a decoction or as pills.\par}',
 5, '0', 54, '09000905000000', '0559000000', '9500000000', 27, NULL, 2);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (55, 1,
 'Pulvis Lonicerae et Forsythiae', 'Polvo de madreselva y forsythia', 'Honeysuckle and Forsythia Powder', 'Yin Qiao San',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Jin Yin Hua, Lian Qiao, Jie Geng, Bo He, Niu Bang Zi, Dan Dou Chi, Jing Jie, Dan Zhu Ye, Lu Gen y Gan Cao. \b Libera el exterior con picantes frescos\b0 , elimina el calor y las toxinas.\par Es la f\''f3rmula principal de la fase inicial de las enfermedades febriles por calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 No indicada en el viento-fr\''edo. No cocer largo tiempo: se pierden los principios arom\''e1ticos. Evitar alimentos picantes y grasos durante el tratamiento.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fase inicial de la enfermedad febril por viento-calor: fiebre, ligera aversi\''f3n al fr\''edo, poco o ning\''fan sudor, cefalea, sed, tos y dolor de garganta; punta de la lengua roja, saburra blanca o amarilla fina, pulso flotante y r\''e1pido.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Polvo grueso: cocer unos 18 g por toma con rizoma fresco de carrizo y retirar del fuego en cuanto desprenda su aroma.\par En casos intensos, cada 4 horas: tres o cuatro tomas al d\''eda.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Jin Yin Hua, Lian Qiao, Jie Geng, Bo He, Niu Bang Zi, Dan Dou Chi, Jing Jie, Dan Zhu Ye, Lu Gen and Gan Cao. It \b releases the exterior with acrid, cool herbs\b0 , clears heat and resolves toxicity.\par It is the main formula for the early stage of warm-febrile disease.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Not indicated for wind-cold. Do not cook for long, or the aromatic principles are lost. Avoid spicy and greasy food during treatment.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Coarse powder: boil about 18 g per dose with fresh reed rhizome and remove from the heat as soon as its aroma is released.\par In severe cases take it every 4 hours, three or four doses a day.\par}',
 5, '0', 55, '90500005000000', '0595500000', '0090000000', 22, NULL, 5);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (56, 1,
 'Decoctum pro Extremitatibus Frigidis', 'Decocción para las extremidades frías', 'Frigid Extremities Decoction', 'Si Ni Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fu Zi, Gan Jiang y Gan Cao. \b Rescata el yang\b0  que se colapsa y detiene la inversi\''f3n del fr\''edo en las extremidades.\par Fu Zi y Gan Jiang calientan con fuerza el ri\''f1\''f3n y el bazo; Gan Cao modera su toxicidad y prolonga su acci\''f3n.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contiene Fu Zi, t\''f3xico: respetar las dosis y la cocci\''f3n previa. Contraindicada en las extremidades fr\''edas por calor verdadero con fr\''edo aparente. Suspender en cuanto se recupera el calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Colapso del yang del shaoyin: extremidades heladas, aversi\''f3n al fr\''edo, postura encogida, somnolencia, v\''f3mitos, diarrea con alimento sin digerir; lengua p\''e1lida con saburra blanca y pulso profundo y m\''ednimo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n. Cocer primero Fu Zi de 30 a 60 minutos y luego a\''f1adir Gan Jiang y Gan Cao. Tomar caliente en dos tomas.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fu Zi, Gan Jiang and Gan Cao. It \b rescues devastated yang\b0  and reverses the cold in the limbs.\par Fu Zi and Gan Jiang strongly warm the kidney and spleen; Gan Cao moderates their toxicity and prolongs their action.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contains toxic Fu Zi: keep to the dosage and the pre-cooking. Contraindicated for cold limbs from true heat with false cold. Stop once warmth returns.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction. Cook Fu Zi first for 30 to 60 minutes, then add Gan Jiang and Gan Cao. Take warm in two doses.\par}',
 5, '0', 56, '09990000000000', '0099000000', '0000900000', 29, NULL, 1);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (57, 1,
 'Decoctum Minus Qi Ordinans', 'Decocción menor para ordenar el qi', 'Minor Order the Qi Decoction', 'Xiao Cheng Qi Tang',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Da Huang, Zhi Shi y Hou Po. \b Purga el calor\b0 , elimina la plenitud y mueve las heces.\par Es una versi\''f3n m\''e1s suave que la gran decocci\''f3n, sin Mang Xiao, para la acumulaci\''f3n con calor en el yangming.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicada en el embarazo, en la deficiencia de qi o de yin y cuando persiste un s\''edndrome exterior. Suspender en cuanto se evac\''faan las heces.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Acumulaci\''f3n de calor en el yangming: estre\''f1imiento, plenitud y distensi\''f3n abdominal, fiebre vespertina, delirio leve; saburra amarilla y seca, pulso resbaladizo y r\''e1pido.\par Tambi\''e9n en la disenter\''eda incipiente con plenitud y tenesmo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n, cociendo las tres hierbas juntas. Tomar caliente en dos tomas; si la primera produce deposici\''f3n, no tomar la segunda.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Da Huang, Zhi Shi and Hou Po. It \b purges heat\b0 , eliminates fullness and moves the stool.\par It is a milder version of the major decoction, without Mang Xiao, for heat accumulation in the yang brightness.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in pregnancy, in qi or yin deficiency and while an exterior syndrome persists. Stop as soon as the bowels move.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction, cooking the three herbs together. Take warm in two doses; if the first one moves the bowels, omit the second.\par}',
 5, '0', 57, '05000099000000', '0950000000', '0009000000', 30, NULL, 1);
INSERT INTO Plantas (Clave, EsFormula, Nom0, Nom2, Nom3, PinYin, Descripcion, Floracion, Aplicacion, Administracion, DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor, Energia, KClase, KSubClase, KFuente) VALUES (58, 1,
 'Pulvis Generans Pulsum', 'Polvo que genera el pulso', 'Generate the Pulse Powder', 'Sheng Mai San',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ren Shen, Mai Men Dong y Wu Wei Zi. \b Tonifica el qi\b0 , genera l\''edquidos, nutre el yin y detiene la sudoraci\''f3n.\par Ren Shen tonifica, Mai Men Dong humedece y Wu Wei Zi retiene lo que se pierde.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicada mientras persiste un pat\''f3geno exterior o hay calor intenso en el nivel del qi, ya que sus hierbas astringentes retendr\''edan el pat\''f3geno.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Da\''f1o del qi y del yin por el calor del verano o tras una fiebre: sudor abundante, cansancio, respiraci\''f3n corta, sed, boca seca; pulso vac\''edo y d\''e9bil.\par Tos cr\''f3nica por deficiencia del pulm\''f3n con poca flema y sudor espont\''e1neo.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decocci\''f3n; tomar caliente a lo largo del d\''eda. Puede sustituirse Ren Shen por Xi Yang Shen cuando hay calor.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ren Shen, Mai Men Dong and Wu Wei Zi. It \b tonifies the qi\b0 , generates fluids, nourishes the yin and stops sweating.\par Ren Shen tonifies, Mai Men Dong moistens and Wu Wei Zi holds back what is being lost.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated while an exterior pathogen persists or when there is intense heat at the qi level, as its astringent herbs would trap the pathogen.\par}',
 '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Decoction; take warm throughout the day. Xi Yang Shen may replace Ren Shen when there is heat.\par}',
 5, '0', 58, '90950000000000', '9009000000', '9000000000', 23, 24, 6);

-- Formula ingredients (percent of the formula)
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (46, 10, 20.0, 46, 10);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (46, 8, 20.0, 46, 8);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (46, 13, 20.0, 46, 13);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (46, 14, 26.7, 46, 14);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (46, 1, 13.3, 46, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (47, 11, 37.5, 47, 11);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (47, 10, 25.0, 47, 10);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (47, 12, 25.0, 47, 12);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (47, 1, 12.5, 47, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (48, 2, 25.0, 48, 2);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (48, 3, 25.0, 48, 3);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (48, 4, 25.0, 48, 4);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (48, 1, 25.0, 48, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (49, 9, 25.0, 49, 9);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (49, 6, 25.0, 49, 6);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (49, 8, 25.0, 49, 8);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (49, 7, 25.0, 49, 7);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 15, 29.7, 50, 15);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 16, 11.1, 50, 16);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 2, 11.1, 50, 2);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 17, 11.1, 50, 17);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 1, 11.1, 50, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 13, 11.1, 50, 13);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (50, 14, 14.8, 50, 14);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (51, 9, 32.0, 51, 9);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (51, 21, 16.0, 51, 21);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (51, 20, 16.0, 51, 20);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (51, 22, 12.0, 51, 22);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (51, 23, 12.0, 51, 23);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (51, 4, 12.0, 51, 4);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 5, 28.6, 52, 5);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 2, 9.5, 52, 2);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 3, 14.3, 52, 3);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 1, 14.3, 52, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 6, 4.8, 52, 6);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 18, 9.5, 52, 18);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 19, 9.5, 52, 19);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (52, 15, 9.5, 52, 15);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (53, 17, 30.3, 53, 17);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (53, 18, 30.3, 53, 18);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (53, 4, 18.2, 53, 4);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (53, 1, 9.1, 53, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (53, 13, 6.1, 53, 13);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (53, 45, 6.0, 53, 45);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 15, 17.0, 54, 15);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 6, 17.0, 54, 6);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 8, 17.0, 54, 8);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 3, 17.0, 54, 3);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 4, 17.0, 54, 4);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 1, 8.5, 54, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 13, 4.0, 54, 13);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (54, 27, 2.5, 54, 27);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 24, 16.7, 55, 24);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 25, 16.7, 55, 25);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 26, 10.0, 55, 26);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 27, 10.0, 55, 27);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 28, 10.0, 55, 28);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 29, 8.3, 55, 29);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 30, 6.7, 55, 30);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 31, 6.7, 55, 31);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 32, 6.6, 55, 32);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (55, 1, 8.3, 55, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (56, 33, 41.7, 56, 33);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (56, 34, 25.0, 56, 34);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (56, 1, 33.3, 56, 1);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (57, 36, 44.5, 57, 36);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (57, 37, 33.3, 57, 37);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (57, 38, 22.2, 57, 38);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (58, 2, 37.5, 58, 2);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (58, 41, 37.5, 58, 41);
INSERT INTO RelForm (KFormula, KPlanta, Porcentaje, OFormula, OPlanta) VALUES (58, 40, 25.0, 58, 40);

-- Synonyms
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (1, 'Regaliz');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (1, 'Orozuz');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (1, 'Liquorice root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (1, 'Licorice root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (2, 'Ginseng coreano');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (2, 'Ginseng asiático');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (2, 'Asian ginseng');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (3, 'White atractylodes');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (4, 'Poria');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (4, 'Hoelen');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (4, 'Tuckahoe');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (5, 'Astrágalo');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (5, 'Milkvetch root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (6, 'Angélica china');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (6, 'Dong quai');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (7, 'Szechuan lovage root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (8, 'Peonía blanca');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (8, 'White peony root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (9, 'Prepared rehmannia');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (10, 'Canela china');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (10, 'Cassia twig');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (11, 'Efedra');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (11, 'Ephedra');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (12, 'Bitter apricot kernel');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (13, 'Jengibre fresco');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (13, 'Fresh ginger');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (14, 'Azufaifa');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (14, 'Jujube');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (14, 'Dátil chino');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (15, 'Thorowax root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (16, 'Baikal skullcap root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (18, 'Piel de mandarina');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (18, 'Tangerine peel');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (19, 'Cimicifuga');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (20, 'Ñame chino');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (20, 'Chinese yam');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (21, 'Asiatic cornelian cherry');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (23, 'Tree peony bark');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (24, 'Madreselva japonesa');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (24, 'Honeysuckle flower');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (26, 'Balloon flower root');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (27, 'Menta');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (28, 'Bardana');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (28, 'Burdock fruit');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (30, 'Japanese catnip');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (32, 'Carrizo');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (32, 'Common reed rhizome');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (33, 'Acónito');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (33, 'Aconite');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (35, 'Goldthread');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (36, 'Ruibarbo');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (36, 'Rhubarb');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (37, 'Naranjo amargo');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (38, 'Houpu magnolia bark');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (39, 'Spiny jujube seed');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (40, 'Esquisandra');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (40, 'Five-flavour berry');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (41, 'Dwarf lilyturf tuber');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (42, 'Crisantemo');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (42, 'Chrysanthemum');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (43, 'Yeso');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (43, 'Sulfato de calcio');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (45, 'Ciruela negra');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (45, 'Black plum');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (45, 'Ume');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (46, 'Ramulus Cinnamomi Decoction');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (50, 'Small Bupleurum Decoction');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (54, 'Free and Easy Wanderer');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (54, 'Xiao Yao Wan');
INSERT INTO Sinonimos (KPlanta, Sinon) VALUES (51, 'Liu Wei Wan');

-- Personal notes
INSERT INTO Notas (KPlanta, Memo) VALUES (33, 'Comprobar siempre que sea Fu Zi preparado (Zhi Fu Zi). Cocerlo solo primero, 30-60 minutos, y probar que ya no pica en la lengua antes de añadir el resto.');
INSERT INTO Notas (KPlanta, Memo) VALUES (36, 'Para que purgue, añadirlo en los últimos minutos de cocción; cocido largo apenas purga. Avisar de que la orina puede salir más amarilla.');
INSERT INTO Notas (KPlanta, Memo) VALUES (39, 'Machacar las semillas antes de cocer. Va bien tomar la última dosis una hora antes de acostarse.');
INSERT INTO Notas (KPlanta, Memo) VALUES (43, 'Triturarlo bien y cocerlo primero 20-30 minutos. En fiebres altas se usan dosis altas sin problema, pero retirarlo en cuanto baja la fiebre.');
