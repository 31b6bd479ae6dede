-- QOR Desktop photos database: attachment contents and profile photos.
-- It holds no text, so the connection that reads it names no character set.

create table anexos (
  id_anexo integer not null primary key,
  anexo blob sub_type binary
);

-- foto1 may be NULL: the conversion then stores an empty file.
create table fotos (
  id_pessoa integer not null primary key,
  foto1 blob sub_type binary
);
